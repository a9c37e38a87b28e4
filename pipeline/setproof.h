#pragma once

#include "pipeline/runcontext.h"
#include "platform/zipcomponent.h"
#include "platform/zipreader.h"
#include "setcheck/filedigest.h"
#include "setcheck/volumesettester.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <optional>

// What a run knows of the set it writes, and the proof that the set is
// what it meant to write. With "Verify after packing" the volume set the
// archiver left is tested as one set, and each ZIP is read back from disk
// once it is written: every entry against its CRC, and every file in it
// equal by CRC and size to what the writer read into it. A volume is
// proven, and may be deleted, once its ZIP read back sound and the set's
// test has passed it. With "Checksum files" the set's .sfv and .sha256 are
// written beside the ZIPs once the last is made.
//
// The reading back runs beside the packaging, on threads of its own: the
// volume set from its first volume on, each ZIP while the next one is
// written. They see nothing but files; what they find is judged here, on
// the run's thread, which lets window events run while it waits.
class SetProof
{
public:
    struct Zip {
        QString name; // "game03.zip"
        QString host;
        qint64 bytes = 0;
        std::uint32_t crc = 0; // of the whole file, for the checksum files
        QByteArray sha256;
    };
    // What the proof has come to after a step.
    struct Step {
        QStringList proven; // host paths of the volumes that may now be deleted
        QList<int> provenZips{}; // the numbers of the ZIPs proven by this step
        QString fault;      // what did not prove sound; empty when all did
        int firstUnproven = 0; // the volume from which on the volumes stay, after a fault
    };

    SetProof(RunContext& context, const bool& stopRequested);
    ~SetProof();
    SetProof(const SetProof&) = delete;
    SetProof& operator=(const SetProof&) = delete;

    bool verifying() const { return m_verify; }

    // Before the first ZIP: starts the test of the volumes the archiver left.
    void begin(const QString& firstVolumeHost);
    // The same for a continued run whose first volumes went with the ZIPs it
    // keeps: the set is read through `volumes` (the volumes left, and those
    // inside the kept ZIPs).
    void begin(const QString& firstVolumeName, const VolumeSetTester::Volumes& volumes);
    // Right after the ZIP for volume n was written.
    Step zipWritten(int n, const ZipNameParts& names, const QString& volumeName, const QString& volumeHost,
                    const QList<ZipComponent::WrittenFile>& written);
    // A ZIP of the set found in place, written by an interrupted run that
    // did not get to record it, its volume still here: read back and judged
    // against the volume like a ZIP just written, at once. `sound` false: it
    // is not kept but made again (the step then holds only what came before).
    Step zipFound(int n, const ZipNameParts& names, const QString& volumeName, const QString& volumeHost, bool& sound);
    // A ZIP that an interrupted run of the set made and this one keeps, its
    // volume gone: read back whole when verifying, listed in the checksum
    // files like the others.
    Step zipKept(int n, const ZipNameParts& names);
    // After the last ZIP (`whole`), or when packaging ends early: waits for
    // the ZIP still being read back, and after the last also for the end of
    // the volume set's test.
    Step finish(bool whole = true);

    // A file that travels with the set (a recovery file made after the last
    // ZIP): the checksum files list it after the ZIPs.
    QString listAlso(const QString& hostPath);
    // After the last ZIP: the checksum files, when the run writes them.
    QString writeChecksumFiles();

    // ZIPs of the set's name in its folder that this run did not write.
    QStringList leftovers() const;
    // "Verified: 12 ZIPs and the set are sound", and at the floppy step
    // whether every ZIP fits a floppy; empty when there is nothing to say.
    QString verdictLine() const;
    // The same line for a failure that `fault` describes.
    static QString failedLine(const QString& fault);

    const QList<Zip>& zips() const { return m_zips; }
    // The volume set failed its test: no ZIP may be made from its volumes again.
    bool volumesUnsound() const { return m_volumesUnsound; }
    QString stem() const { return m_stem; }

private:
    void startVolumeTest(std::function<VolumeSetTester::Verdict(VolumeSetTester&, const VolumeSetTester::Progress&)> test);

    // A ZIP written and being read back.
    struct Pending {
        int volume = 0;
        Zip zip;
        QString volumeName;
        QString volumeHost;
        QList<ZipComponent::WrittenFile> written;
        // The ZIP read back, and its sums for the checksum files.
        std::future<std::pair<ZipReadBack, FileDigest>> read;
    };
    struct VolumeTest;

    // The first ZIP names the set's stem and the width of its numbers.
    void noteStem(const ZipNameParts& names);

    // Judges the ZIP being read back. A run cut short still waits for it
    // (`honourStop` false): the ZIP is whole, and its volume goes once proven.
    Step settle(bool honourStop = true);
    QString judge(Pending& pending, const ZipReadBack& back, const FileDigest& digest);
    // Reads a ZIP back (and its sums when the run writes checksum files) on a
    // thread of its own.
    std::future<std::pair<ZipReadBack, FileDigest>> readBack(const QString& host);
    // Waits, letting window events run, until `ready` holds; false when the
    // run was stopped meanwhile (and the stop is honoured).
    bool waitFor(const std::function<bool()>& ready, bool honourStop = true);
    QString volumesFault(int upToVolume, bool honourStop = true);

    RunContext& m_ctx;
    const bool& m_stopRequested;
    bool m_verify = false;
    bool m_checksums = false;
    bool m_volumesUnsound = false;
    QString m_stem;
    int m_digits = 0;
    QList<Zip> m_zips;
    QList<Zip> m_others;
    std::optional<Pending> m_pending;
    std::unique_ptr<VolumeTest> m_volumes;
    std::atomic<bool> m_abandon{false};
};
