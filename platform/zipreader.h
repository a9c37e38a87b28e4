#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// One entry of a ZIP as its central directory describes it.
struct ZipEntryInfo {
    QString name;
    std::uint32_t crc = 0;
    qint64 size = 0;
    bool isDirectory = false;
};

// A ZIP file read back from disk: its entries, and whether every byte of it
// is what its directory says.
struct ZipReadBack {
    enum class State {
        Sound,
        Missing,    // no such file
        Unreadable, // there, but it cannot be opened or read
        NotZip,     // it does not start as a ZIP file
        Truncated,  // it starts as one, but its end is missing
        Damaged,    // an entry's data does not match its CRC, or cannot be unpacked
        Stopped,    // the caller asked to stop
    };
    State state = State::Sound;
    QString detail; // what is wrong, for people; empty when sound
    QString entry;  // the entry at fault, when one is
    QList<ZipEntryInfo> entries;
    qint64 fileSize = 0;

    bool sound() const { return state == State::Sound; }
    const ZipEntryInfo* find(const QString& name) const;
};

// Reads ZIP files from disk. Used to prove a ZIP just written and to check a
// set later; nothing here writes.
class ZipReader
{
public:
    virtual ~ZipReader() = default;

    // Opens the ZIP, then reads every entry's data to its end against the
    // entry's CRC and size. `progress` gets the count of entry bytes read
    // since its last call; returning false stops the read.
    virtual ZipReadBack readBack(const QString& hostPath, const std::function<bool(qint64)>& progress = {}) = 0;
    // The bytes of one entry, found by name in any letter case; none when
    // the ZIP or the entry cannot be read, or the entry is over maxBytes.
    virtual std::optional<QByteArray> entryBytes(const QString& hostPath, const QString& name, qint64 maxBytes) = 0;
    // One entry as a device to read from its start to its end, its CRC
    // checked at the end (a mismatch is a read error); null when it cannot
    // be opened, with the reason in *error.
    virtual std::unique_ptr<QIODevice> openEntry(const QString& hostPath, const QString& name, QString* error) = 0;
};
