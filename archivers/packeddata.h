#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// How an entry's data lies in the archive, in the terms of its header.
struct Packing {
    bool compressed = false;
    int level = 0;          // -m1 .. -m5 for compressed data
    int dictionaryBits = 0; // log2 of the dictionary the reader must keep
};

// An entry's data as it goes into the archive, handed out piece by piece so
// that a file of any size passes with flat memory. The builder cuts the
// pieces into volumes wherever they fall.
class PackedData {
public:
    virtual ~PackedData() = default;

    // Replaces out with the next piece, never empty. false once everything
    // has been handed out, or on a failure, which error() then names.
    virtual bool next(QByteArray& out) = 0;
    virtual QString error() const = 0;

    // CRC-32 of the entry's own bytes read so far: the whole file's once
    // next() has returned false without an error.
    virtual uint32_t sourceCrc() const = 0;
    // Bytes of the entry read so far, for progress.
    virtual uint64_t sourceDone() const = 0;
    // Settled before the first piece is handed out.
    virtual Packing packing() const = 0;
};
