#pragma once

#include "acelz77decoder.h"
#include "crc32.h"
#include "settester.h"
#include "volumestream.h"

#include <QByteArray>
#include <memory>

// What testing a set shares between the formats: the volumes opened one
// after the other, a file's data followed from part to part across them,
// its CRCs checked, and faults named by volume and file. Each format reads
// its own headers.
class SetReader {
public:
    SetReader(VolumeOpener& volumes, const SetTester::Observer& observer);
    virtual ~SetReader();

    SetTestResult run();

protected:
    // One part of a file, as its header in one volume gives it.
    struct Part {
        QByteArray rawName; // as stored: every part of a file carries the same
        QString name;
        bool isDirectory = false;
        bool continuedFromPrevious = false;
        bool continuesInNext = false;
        uint64_t packedSize = 0; // this part's bytes in the volume
        uint64_t size = 0;       // the whole file's
        // In zip's form: the CRC of this part's bytes while the file goes on
        // in the next volume, the whole file's in its last part.
        uint32_t crc = 0;
        bool compressed = false; // ACE's LZ77 method
        QString untested;        // why its data cannot be checked, if it cannot
    };
    enum class Next { Entry, VolumeEnd, Fault };

    // The archive header at the start of the current volume.
    virtual bool readVolumeStart() = 0;
    // The current volume's next file header, or its end; at the end,
    // *setGoesOn tells whether the set goes on in another volume.
    virtual Next nextHeader(Part& part, bool* setGoesOn) = 0;
    // What must still follow in a volume after a part that goes on in the next.
    virtual bool closeVolumeInsideFile() { return true; }

    // Records a fault in the current volume (or the one given); false.
    bool fail(SetFault::Kind kind, const QString& detail, int volume = -1);
    // Header bytes; a fault when the volume ends or cannot be read first.
    bool readHeader(char* data, qint64 size);
    // The rest of a header that began at byte `start` and says it has
    // `declared` bytes. A volume that ends first may as well be whole with a
    // damaged size field: the header is named as damaged.
    bool readRestOfHeader(char* data, qint64 size, qint64 start, qint64 declared);
    bool skipData(uint64_t size);
    VolumeStream& stream() { return *m_stream; }
    int volume() const { return m_volume; }
    // Names in headers: UTF-8 where they are, DOS code page 437 otherwise.
    static QString nameFromBytes(const QByteArray& bytes);

private:
    bool openVolume(int index);
    bool testEntry(const Part& first);
    bool unpack(uint64_t size, Crc32& crc, uint64_t* produced, QString* damage);
    qint64 nextPiece(qint64 max, const char** at);
    void endPart();
    bool goOn();
    bool consumed();
    void closeVolume();
    bool streamFault(const QString& where);

    VolumeOpener& m_volumes;
    const SetTester::Observer& m_observer;
    SetTestResult m_result;
    std::unique_ptr<QIODevice> m_device;
    std::unique_ptr<VolumeStream> m_stream;
    int m_volume = -1;
    uint64_t m_closedBytes = 0; // the bytes of the volumes read before this one
    AceLz77Decoder m_decoder;

    // The file being read and its part in the current volume.
    QString m_entryName;
    Part m_part;
    uint64_t m_partLeft = 0;
    bool m_partEnded = false;
    bool m_crcParts = false;   // whether parts need a CRC of their own
    Crc32 m_partCrc;
    uint32_t m_storedCrc = 0;  // of a stored file's parts so far
    uint64_t m_packedTotal = 0;
    int m_firstBadPart = -1;   // the first volume whose part does not match its CRC
};
