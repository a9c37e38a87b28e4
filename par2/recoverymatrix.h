#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The Reed-Solomon code of PAR2 2.0. Input slice i has the constant
// c_i = 2^n_i, where n_i runs through the logarithms coprime to 65535 (not
// divisible by 3, 5, 17 or 257) in increasing order; the recovery slice of
// exponent e is sum_i c_i^e * slice_i. Lost slices are solved for from as
// many recovery slices.
class RecoveryMatrix
{
public:
    // log2 of the first count input constants.
    static std::vector<uint16_t> inputLogs(uint32_t count);
    // c^e for the constant of log n.
    static uint16_t coefficient(uint16_t inputLog, uint32_t exponent);

    struct Solution
    {
        std::vector<int> rows;          // the recovery slices used, as indexes into exponents
        std::vector<uint16_t> inverse;  // lost x rows, row-major: lost_j = sum_r inverse[j][r] * y_r
    };
    // Chooses, among the recovery slices of the given exponents, as many as
    // there are lost slices whose equations are independent, and inverts
    // them. Nothing when the slices there are cannot solve for the lost ones.
    static std::optional<Solution> solve(const std::vector<uint32_t>& exponents, const std::vector<uint16_t>& lostLogs);
};
