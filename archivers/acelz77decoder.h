#pragma once

#include "acebitreader.h"
#include "acedecodetable.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

// Unpacks ACE 1.0's LZ77 method (AceLz77Encoder): blocks of two Huffman
// tables and a count of symbols, each symbol a literal, a match at one of
// the last four distances, or a match at a new distance. One decoder serves
// any number of files, one after the other; its window is the largest
// dictionary the format can name, so that any stream within the format
// unpacks whatever dictionary its header gives.
class AceLz77Decoder {
public:
    using Output = std::function<void(const char* data, std::size_t size)>;
    enum class Status { Done, Corrupt, InputFailed };

    AceLz77Decoder();

    // Unpacks a file of `size` bytes from input, handing them to output in
    // order. Packed bytes after the file's end are not read.
    Status decode(uint64_t size, const AceBitReader::Input& input, const Output& output);
    // What made the data corrupt.
    QString error() const { return m_error; }

    static constexpr int WindowBits = 22;

private:
    Status corrupt(const QString& why);
    bool copyMatch(uint32_t distance, uint32_t length);
    void flush();

    // Left unset: a match never reaches back before the file's own bytes.
    std::unique_ptr<uint8_t[]> m_window;
    uint64_t m_size = 0;
    uint64_t m_produced = 0;
    uint64_t m_flushed = 0;
    std::array<uint32_t, 4> m_repeats{}; // distance - 1, the latest first
    AceDecodeTable m_main;
    AceDecodeTable m_lengths;
    const Output* m_output = nullptr;
    QString m_error;
};
