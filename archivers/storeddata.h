#pragma once

#include "crc32.h"
#include "packeddata.h"
#include "sourceentry.h"

#include <QFile>

// A file's bytes as they are: exactly the size the walk saw, in pieces of
// pieceSize bytes. A file that has become shorter is a failure; bytes added
// since the walk are left out.
class StoredData : public PackedData {
public:
    explicit StoredData(const SourceEntry& entry, qint64 pieceSize = 1 << 20);

    bool next(QByteArray& out) override;
    QString error() const override { return m_error; }
    uint32_t sourceCrc() const override { return m_crc.value(); }
    uint64_t sourceDone() const override { return m_done; }
    Packing packing() const override { return {}; }

private:
    bool fail(const QString& text);

    SourceEntry m_entry;
    QFile m_file;
    uint64_t m_size;
    qint64 m_pieceSize;
    uint64_t m_done = 0;
    Crc32 m_crc;
    QString m_error;
};
