#pragma once

#include <QByteArray>
#include <cstdint>
#include <functional>

struct zip;
struct zip_source;
class ParallelDeflate;
class WholeFileDeflate;

// A file as a libzip source that is already deflated, so that libzip copies
// the bytes into the ZIP instead of deflating them again on its one thread.
// Its stat tells libzip so (method, size, and the CRC once read to the end).
// The file is deflated either in parts on every core (ParallelDeflate), read
// in parts on the caller's thread and never whole, or whole on one core
// (WholeFileDeflate), usually before the ZIP gets to it. Either way the CRC
// comes from the same single read as the deflated bytes.
namespace deflatedfilesource {

struct Hooks {
    // Before the first byte is read; false cancels the write.
    std::function<bool()> opening;
    // After `inputBytes` more of the file went into the ZIP, and every few
    // milliseconds (with 0) while the deflated file is waited for; false
    // cancels.
    std::function<bool(qint64 inputBytes)> advanced;
    // Once the whole file went in: the CRC-32 and count of its bytes.
    std::function<void(std::uint32_t crc, qint64 bytes)> finished;
};

// Null when the file cannot be opened (the reason is in errno).
zip_source* create(zip* archive, const QByteArray& nativePath, ParallelDeflate& deflate, int level, Hooks hooks);
zip_source* create(zip* archive, const QByteArray& nativePath, WholeFileDeflate& deflate, int level, Hooks hooks);

} // namespace deflatedfilesource
