#pragma once

#include <QByteArray>
#include <cstdint>
#include <functional>

struct zip;
struct zip_source;
class ParallelDeflate;

// A file as a libzip source that is already deflated: it deflates the file on
// every core (ParallelDeflate) while libzip reads it, and tells libzip so in
// its stat (method, size, and the CRC once read to the end), so that libzip
// copies the bytes into the ZIP instead of deflating them again on its one
// thread. The file is read in parts on the caller's thread, never whole.
namespace deflatedfilesource {

struct Hooks {
    // Before the first byte is read; false cancels the write.
    std::function<bool()> opening;
    // After `inputBytes` more of the file went into the ZIP; false cancels.
    std::function<bool(qint64 inputBytes)> advanced;
    // Once the whole file went in: the CRC-32 and count of its bytes.
    std::function<void(std::uint32_t crc, qint64 bytes)> finished;
};

// Null when the file cannot be opened (the reason is in errno).
zip_source* create(zip* archive, const QByteArray& nativePath, ParallelDeflate& deflate, int level, Hooks hooks);

} // namespace deflatedfilesource
