#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

// One file or folder of a tested set, as its headers describe it.
struct TestedEntry {
    QString name; // as stored, folders separated by '\'
    bool isDirectory = false;
    uint64_t size = 0;       // the file's own bytes
    uint64_t packedSize = 0; // its bytes in the volumes, over all parts
    uint32_t crc = 0;        // CRC-32 of the file's bytes, as zip and .sfv files give it
    int firstVolume = 0;     // index of the volume its first part lies in (0 = the first volume)
    int lastVolume = 0;
    bool compressed = false;
    // false when the file is packed in a way this reader does not unpack
    // (another method, a password, a solid archive): its data was not checked.
    bool tested = true;
    QString whyUntested;
    bool damaged = false; // its data does not match its CRC
};

// What is wrong with a set, and where.
struct SetFault {
    enum class Kind {
        Missing,      // a volume the set goes on into does not exist
        Unreadable,   // a volume exists but cannot be opened or read
        NotAnArchive, // a volume does not start as an archive of the format
        WrongSet,     // a volume is not the one that follows (another set, out of order)
        BadHeader,    // a header does not match its CRC, or cannot be one
        DataCrc,      // a file's data does not match its CRC
        Truncated,    // a volume ends inside a header or inside a file's data
        Unsupported,  // a volume this reader cannot read (encrypted headers, a newer format)
        Stopped,      // the caller asked to stop
    };

    Kind kind = Kind::BadHeader;
    int volume = 0;     // index of the volume at fault (0 = the first)
    QString volumeName; // its name, as the opener gives it
    QString entry;      // the file concerned; empty when the fault is in no file
    QString detail;     // what exactly is wrong, for people

    static QString kindText(Kind kind);
    // "game.r01: data\disk.bin: data CRC error (...)"
    QString text() const;
};

// The verdict on a whole set. Reading stops at the first fault that leaves
// the rest of the set unreadable; a file whose data is damaged is noted and
// the test goes on to the next file.
struct SetTestResult {
    std::vector<TestedEntry> entries;
    QList<QString> volumes; // the volumes read, in order
    QList<SetFault> faults;
    uint64_t bytesRead = 0; // bytes of the volumes read

    bool sound() const { return faults.isEmpty(); }
    int untested() const;
    // The first fault; only valid when !sound().
    const SetFault& fault() const { return faults.front(); }
};
