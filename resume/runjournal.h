#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// The record a packaging run keeps in its work folder so that a run stopped
// on the way can be continued: what the job was when it started (its
// settings and the source's measurement), the run's start time, the set the
// archiver left (each volume's name, size and time), and each ZIP that is
// complete (its name, size and CRC-32).
//
// The file is rewritten whole at every change: written beside itself and
// renamed into place, so a kill at any moment leaves either the old or the
// new record. The text ends with a line holding the CRC-32 of everything
// before it: a file cut at any byte, or changed, is refused as a whole.
struct RunJournal {
    struct Volume {
        QString name;
        qint64 size = 0;
        qint64 modifiedNs = 0; // nanoseconds since the epoch
        bool operator==(const Volume&) const = default;
    };
    struct Zip {
        int number = 0; // the volume it holds, from 1
        QString name;   // "demo01.zip"
        qint64 size = 0;
        quint32 crc = 0;
        bool operator==(const Zip&) const = default;
    };

    // The run's start, to the second: the ZIPs' entry times and the date in
    // dated names come from it, so a continued run makes the same set.
    QDateTime started;
    // When it really began, to the second (whatever start time it was
    // given): a ZIP of the set written since then is this run's.
    QDateTime begun;
    // What identifies the job: the settings that decide what goes into the
    // set, in a fixed order, and the source's measurement.
    QList<QPair<QString, QString>> settings;
    QString sourceMeasure;
    // The set, once the archiver has finished it; empty before.
    QList<Volume> volumes;
    bool setWhole = false;
    // The whole set failed its test: its volumes must not become ZIPs.
    bool setUnsound = false;
    QList<Zip> zips;

    bool operator==(const RunJournal&) const = default;

    // The journal's file in a work folder, and the name it is written under
    // first. Neither can be the name of a volume.
    static QString fileName();
    static QString pendingFileName();
    // Whether a file of a work folder is the journal's own.
    static bool isJournalFile(const QString& name);

    QString setting(const QString& key) const;
    const Zip* zip(int number) const;

    QByteArray toBytes() const;
    // The journal in these bytes, or none with the reason.
    static std::optional<RunJournal> fromBytes(const QByteArray& bytes, QString* why = nullptr);

    // Writes the journal into a work folder, atomically; false with the reason.
    bool write(const QString& folderHost, QString* error = nullptr) const;
    // The journal of a work folder; none when there is none or it is refused
    // (with the reason; empty when the folder simply has no journal).
    static std::optional<RunJournal> read(const QString& folderHost, QString* why = nullptr);
    // Removes the journal's files from a work folder.
    static void remove(const QString& folderHost);
};
