// The set tester against the independent readers: sets that 7z (RAR) and
// unace (ACE) read are sound, and every single-byte change to a volume that
// they notice is noticed here too, in the volume changed; sets cut short,
// missing a volume or mixed with another set are named as such.
#include "testworkspace.h"

#include "crc32.h"
#include "settester.h"
#include "volumefiles.h"
#include "volumesinmemory.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <map>

namespace {

struct SetCase {
    const char* name;
    const char* program;
    QStringList args;
    QString first; // the first volume's name in the work folder
};

ArchiverKind kindOf(const SetCase& c)
{
    return QString::fromLatin1(c.program) == QLatin1String("wrar") ? ArchiverKind::Rar : ArchiverKind::Ace;
}

// What the independent reader of the format makes of the set.
bool readerPasses(ArchiverKind kind, const QString& folder, const QString& first)
{
    const auto r = kind == ArchiverKind::Rar ? TestWorkspace::run(QStringLiteral("7z"), {"t", first}, folder)
                                             : TestWorkspace::run(QStringLiteral("unace"), {"t", "-y", first}, folder);
    return r.ok();
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A source with a file split over several volumes, a compressible one,
// small and empty files and a folder.
void makeSource(const TestWorkspace& ws, int scale)
{
    ws.writeRandomFile(QStringLiteral("data/noise.bin"), 4000 * scale, 1);
    ws.writeFile(QStringLiteral("docs/manual.txt"), TestWorkspace::proseLike(6000 * scale, 2));
    ws.writeFile(QStringLiteral("small.txt"), "small");
    ws.writeFile(QStringLiteral("empty.txt"), {});
    ws.makeDir(QStringLiteral("saves"));
}

// The positions of a volume worth changing: every header byte at its start,
// a few data bytes, and its end (a RAR end block and its padding).
std::vector<qsizetype> positionsIn(qsizetype size)
{
    std::vector<qsizetype> at;
    for (qsizetype i = 0; i < std::min<qsizetype>(size, 96); ++i)
        at.push_back(i);
    for (int i = 1; i <= 5; ++i)
        at.push_back(size * i / 6);
    for (qsizetype i = std::max<qsizetype>(96, size - 12); i < size; ++i)
        at.push_back(i);
    return at;
}

} // namespace

TEST(SetTesterTest, ChangedBytesAreFoundWhereverTheIndependentReadersFindThem)
{
    const std::vector<SetCase> cases{
        {"RAR, two-digit names", "wrar", {"a", "-r", "-y", "-v30000b", "c:\\Zavok001\\two.rar"}, "two.rar"},
        {"RAR, three-digit names", "wrar", {"a", "-r", "-y", "-v40000b", "c:\\Zavok001\\three.001"}, "three.001"},
        {"ACE, stored", "wace", {"a", "-r", "-y", "-v30", "-m0", "c:\\Zavok001\\stored.ace"}, "stored.ace"},
        {"ACE, compressed", "wace", {"a", "-r", "-y", "-v10", "-m3", "c:\\Zavok001\\packed.ace"}, "packed.ace"},
        {"ACE, over 100 volumes", "wace", {"a", "-r", "-y", "-v1", "-m3", "c:\\Zavok001\\many.ace"}, "many.ace"},
    };
    TestWorkspace ws;
    makeSource(ws, 20);
    std::map<QString, uint32_t> crcs;
    for (const QString path : {"data/noise.bin", "docs/manual.txt", "small.txt", "empty.txt"})
        crcs[QString(path).replace(u'/', u'\\')] = Crc32::of(readAll(ws.source() + u'/' + path));

    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ArchiverKind kind = kindOf(c);
        ASSERT_TRUE(ws.archiver(c.program, c.args).ok());
        const QString first = ws.work() + u'/' + c.first;
        const SetTestResult sound = SetTester::testFiles(kind, first);
        ASSERT_TRUE(sound.sound()) << sound.fault().text().toStdString();
        ASSERT_TRUE(readerPasses(kind, ws.work(), c.first));
        ASSERT_GE(sound.volumes.size(), 3);
        ASSERT_EQ(sound.entries.size(), 7u);
        for (const TestedEntry& e : sound.entries) {
            EXPECT_TRUE(e.tested && !e.damaged);
            if (!e.isDirectory) {
                EXPECT_EQ(e.crc, crcs[e.name]) << e.name.toStdString();
            }
        }

        VolumeFiles files(kind, first);
        const int last = int(sound.volumes.size()) - 1;
        for (const int v : {0, last / 2, last}) {
            const QString path = files.path(v);
            const QByteArray original = readAll(path);
            for (const qsizetype at : positionsIn(original.size())) {
                QByteArray changed = original;
                changed[at] = char(changed[at] ^ (1 << (at % 8)));
                writeAll(path, changed);
                const SetTestResult r = SetTester::testFiles(kind, first);
                // Headers carry CRCs that the readers do not always check:
                // a changed header is found here, reader or not.
                const bool badHeader = !r.sound() && r.fault().kind == SetFault::Kind::BadHeader;
                if (!badHeader) {
                    const bool passes = readerPasses(kind, ws.work(), c.first);
                    EXPECT_EQ(r.sound(), passes) << files.name(v).toStdString() << " byte " << at << ": "
                                                 << (r.sound() ? "sound" : r.fault().text().toStdString());
                }
                if (!r.sound()) {
                    EXPECT_EQ(r.fault().volume, v) << at << ": " << r.fault().text().toStdString();
                }
            }
            writeAll(path, original);
        }
    }
}

TEST(SetTesterTest, MissingCutShortAndForeignVolumesAreNamed)
{
    TestWorkspace ws;
    makeSource(ws, 2);
    using Volumes = QList<QByteArray>;
    struct Damage {
        const char* name;
        int volume; // which volume is changed; -1 the last
        std::function<void(Volumes&, const Volumes& other)> apply;
        SetFault::Kind kind;
        // unace tests the files of a set that lacks its first volume, and
        // finds an archive behind bytes put before it (as in a self-extractor).
        bool unaceNotices = true;
    };
    const std::vector<Damage> damages{
        {"the last volume gone", -1, [](Volumes& v, const Volumes&) { v.removeLast(); }, SetFault::Kind::Missing},
        {"a volume cut short", 1, [](Volumes& v, const Volumes&) { v[1].chop(700); }, SetFault::Kind::Truncated},
        {"the last volume cut short", -1, [](Volumes& v, const Volumes&) { v.last().chop(v.last().size() / 2); },
         SetFault::Kind::Truncated},
        {"a volume of another set", 1, [](Volumes& v, const Volumes& other) { v[1] = other[1]; }, SetFault::Kind::WrongSet},
        {"two volumes swapped", 1, [](Volumes& v, const Volumes&) { v.swapItemsAt(1, 2); }, SetFault::Kind::WrongSet},
        {"not the first volume", 0, [](Volumes& v, const Volumes&) { v.removeFirst(); }, SetFault::Kind::WrongSet, false},
        {"not an archive", 0, [](Volumes& v, const Volumes&) { v[0] = "MZ" + v[0]; }, SetFault::Kind::NotAnArchive, false},
    };
    for (const ArchiverKind kind : {ArchiverKind::Rar, ArchiverKind::Ace}) {
        const bool rar = kind == ArchiverKind::Rar;
        SCOPED_TRACE(rar ? "RAR" : "ACE");
        const QString program = rar ? QStringLiteral("wrar") : QStringLiteral("wace");
        const QString size = rar ? QStringLiteral("-v3000b") : QStringLiteral("-v3");
        const QString ext = rar ? QStringLiteral(".rar") : QStringLiteral(".ace");
        ASSERT_TRUE(ws.archiver(program, {"a", "-r", "-y", size, "-m3", "c:\\Zavok001\\game" + ext}).ok());
        // Another set of the same names, in which a file is another.
        const QByteArray noise = readAll(ws.source() + QStringLiteral("/data/noise.bin"));
        ws.writeFile(QStringLiteral("data/noise.bin"), noise.right(7000) + noise);
        ASSERT_TRUE(ws.archiver(program, {"a", "-r", "-y", size, "-m3", "c:\\Zavok001\\other" + ext}).ok());
        ws.writeFile(QStringLiteral("data/noise.bin"), noise);

        // Read into memory as the ZIP check will hand them over.
        VolumeFiles game(kind, ws.work() + "/game" + ext), other(kind, ws.work() + "/other" + ext);
        QList<QByteArray> volumes, others;
        QList<QString> names;
        for (int i = 0; QFileInfo::exists(game.path(i)); ++i) {
            volumes << readAll(game.path(i));
            others << readAll(other.path(i));
            names << game.name(i);
        }
        ASSERT_GE(volumes.size(), 4);
        VolumesInMemory intact(volumes, names);
        ASSERT_TRUE(SetTester::test(kind, intact).sound());
        SetTester::Observer stop;
        stop.progress = [](uint64_t bytes) { return bytes < 5000; };
        EXPECT_EQ(SetTester::test(kind, intact, stop).fault().kind, SetFault::Kind::Stopped) << "a caller's Cancel";

        const QString folder = ws.scratch(program + QStringLiteral("-damaged"));
        for (const Damage& d : damages) {
            SCOPED_TRACE(d.name);
            QList<QByteArray> changed = volumes;
            d.apply(changed, others);
            VolumesInMemory inMemory(changed, names);
            const SetTestResult r = SetTester::test(kind, inMemory);
            ASSERT_FALSE(r.sound());
            // A volume out of its place may show first as data that does
            // not fit; the fault it is follows.
            const QString at = names[d.volume < 0 ? volumes.size() - 1 : d.volume];
            EXPECT_TRUE(std::any_of(r.faults.begin(), r.faults.end(), [&](const SetFault& f) {
                return f.kind == d.kind && f.volumeName == at;
            })) << r.fault().text().toStdString();

            // The same on disk, and the reader agrees that the set is not sound.
            QDir(folder).removeRecursively();
            QDir().mkpath(folder);
            for (int i = 0; i < changed.size(); ++i)
                writeAll(folder + u'/' + names[i], changed[i]);
            EXPECT_EQ(SetTester::testFiles(kind, folder + u'/' + names[0]).fault().text(), r.fault().text());
            if (rar || d.unaceNotices) {
                EXPECT_FALSE(readerPasses(kind, folder, names[0]));
            }
        }
    }
}
