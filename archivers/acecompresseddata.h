#pragma once

#include "acelz77encoder.h"
#include "packeddata.h"
#include "storeddata.h"

#include <memory>

// A file packed with ACE's LZ77 method, or stored after all when that does
// not make it smaller. The choice is made on the first TrialBytes: a file
// that ends within them is compressed only if the result is shorter, a
// longer one only if its start shrinks by at least a hundredth; otherwise the
// file is read again from its start and stored. So at most a trial's worth
// of output is ever held back.
class AceCompressedData : public PackedData {
public:
    static constexpr uint64_t TrialBytes = 1 << 20;

    AceCompressedData(const SourceEntry& entry, int level);

    bool next(QByteArray& out) override;
    QString error() const override;
    uint32_t sourceCrc() const override;
    uint64_t sourceDone() const override;
    Packing packing() const override;

private:
    enum class Stage { Trial, Compressing, Storing, Done };

    bool trial(QByteArray& out);
    bool compress(QByteArray& out);
    bool store(QByteArray& out);

    SourceEntry m_entry;
    uint64_t m_size;
    int m_level;
    StoredData m_source; // the file as the encoder reads it
    std::unique_ptr<StoredData> m_stored;
    AceLz77Encoder m_encoder;
    QByteArray m_piece;
    Stage m_stage = Stage::Trial;
};
