#include "recoverymatrix.h"

#include "galois16.h"

#include <numeric>

std::vector<uint16_t> RecoveryMatrix::inputLogs(uint32_t count)
{
    std::vector<uint16_t> logs;
    logs.reserve(count);
    for (uint32_t n = 1; logs.size() < count && n < Galois16::Order; ++n)
        if (std::gcd(n, Galois16::Order) == 1)
            logs.push_back(uint16_t(n));
    return logs;
}

uint16_t RecoveryMatrix::coefficient(uint16_t inputLog, uint32_t exponent)
{
    return Galois16::exp(uint32_t((uint64_t(inputLog) * exponent) % Galois16::Order));
}

std::optional<RecoveryMatrix::Solution> RecoveryMatrix::solve(const std::vector<uint32_t>& exponents,
                                                             const std::vector<uint16_t>& lostLogs)
{
    const size_t m = lostLogs.size();
    Solution solution;
    if (m == 0)
        return solution;

    // Pick independent rows: each candidate is reduced against the rows kept
    // so far (kept in echelon form, pivots normalised to 1).
    std::vector<std::vector<uint16_t>> basis;
    std::vector<size_t> pivots;
    for (size_t r = 0; r < exponents.size() && basis.size() < m; ++r) {
        std::vector<uint16_t> row(m);
        for (size_t j = 0; j < m; ++j)
            row[j] = coefficient(lostLogs[j], exponents[r]);
        for (size_t b = 0; b < basis.size(); ++b) {
            const uint16_t factor = row[pivots[b]];
            if (factor)
                for (size_t j = 0; j < m; ++j)
                    row[j] ^= Galois16::multiply(factor, basis[b][j]);
        }
        size_t pivot = 0;
        while (pivot < m && row[pivot] == 0)
            ++pivot;
        if (pivot == m)
            continue;
        const uint16_t scale = Galois16::inverse(row[pivot]);
        for (uint16_t& v : row)
            v = Galois16::multiply(v, scale);
        basis.push_back(std::move(row));
        pivots.push_back(pivot);
        solution.rows.push_back(int(r));
    }
    if (basis.size() < m)
        return std::nullopt;

    // Gauss-Jordan on the chosen rows beside the identity.
    std::vector<std::vector<uint16_t>> a(m, std::vector<uint16_t>(2 * m));
    for (size_t i = 0; i < m; ++i) {
        const uint32_t e = exponents[size_t(solution.rows[i])];
        for (size_t j = 0; j < m; ++j)
            a[i][j] = coefficient(lostLogs[j], e);
        a[i][m + i] = 1;
    }
    for (size_t col = 0; col < m; ++col) {
        size_t pivot = col;
        while (pivot < m && a[pivot][col] == 0)
            ++pivot;
        if (pivot == m)
            return std::nullopt;
        std::swap(a[col], a[pivot]);
        const uint16_t scale = Galois16::inverse(a[col][col]);
        for (uint16_t& v : a[col])
            v = Galois16::multiply(v, scale);
        for (size_t i = 0; i < m; ++i) {
            const uint16_t factor = a[i][col];
            if (i == col || factor == 0)
                continue;
            for (size_t j = 0; j < 2 * m; ++j)
                a[i][j] ^= Galois16::multiply(factor, a[col][j]);
        }
    }
    solution.inverse.resize(m * m);
    for (size_t j = 0; j < m; ++j)
        for (size_t r = 0; r < m; ++r)
            solution.inverse[j * m + r] = a[j][m + r];
    return solution;
}
