#pragma once

#include "doubles/temphome.h"
#include "platform/libzipcomponent.h"
#include "platform/libzipreader.h"
#include "platform/numbertext.h"
#include "setcheck/filedigest.h"
#include "setcheck/setchecker.h"
#include "setcheck/setfinder.h"
#include "setcheck/sfvfile.h"
#include "setcheck/sha256file.h"
#include "setcheck/volumesettester.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

// A volume tester that takes a set as sound when every volume it is given
// holds the bytes the fixture made for it, and says which one does not.
class BytesTester : public VolumeSetTester
{
public:
    QList<QByteArray> expected;
    QStringList names;

    Verdict testFiles(const QString&, const Progress&) override { return {false, QStringLiteral("not from disk here"), 0}; }
    Verdict testVolumes(const QString& first, const Volumes& volumes, const Progress&) override
    {
        names.clear();
        Verdict verdict;
        for (int i = 0;; ++i) {
            bool missing = false;
            QString error;
            const auto device = volumes.open(i, &missing, &error);
            if (!device) {
                if (missing && i == expected.size())
                    return verdict;
                return {false, volumes.name(i) + (missing ? QStringLiteral(": missing") : QStringLiteral(": ") + error), i};
            }
            names << volumes.name(i);
            verdict.volumes = i + 1;
            if (i >= expected.size() || device->readAll() != expected[i])
                return {false, volumes.name(i) + QStringLiteral(": data CRC error"), i + 1};
        }
        Q_UNUSED(first);
    }
};

// Sets of ZIPs as runs make them, in e:\zips: ZIP n of N holds its volume
// (random bytes) and a description that says "n/N", and the set's .sfv and
// .sha256 when asked for.
class SetFixture : public ::testing::Test
{
protected:
    TempHome home;
    QString folder;
    LibzipReader reader;
    BytesTester tester;

    void SetUp() override
    {
        home.addDrive(QLatin1Char('e'));
        folder = home.host(QStringLiteral("e:\\")) + QStringLiteral("/zips");
        QDir().mkpath(folder);
    }

    static QString volumeName(int n)
    {
        return n == 1 ? QStringLiteral("game.rar") : QStringLiteral("game.r") + numbertext::zeroPadded(n - 2, 2);
    }
    QString zip(const QString& stem, int n, int digits = 2) const
    {
        return stem + numbertext::zeroPadded(n, digits) + QStringLiteral(".zip");
    }
    QString path(const QString& name) const { return folder + QLatin1Char('/') + name; }

    // Makes the set (in a folder of e:\zips when `sub` is given) and
    // returns its volumes' bytes.
    QList<QByteArray> makeSet(const QString& stem, int count, bool sums, int digits = 2, quint32 seed = 7,
                              const QString& sub = {})
    {
        const QString where = sub.isEmpty() ? QString() : sub + QLatin1Char('/');
        QDir().mkpath(path(where));
        LibzipComponent writer(home.drives);
        QList<QByteArray> volumes;
        QList<ChecksumItem> items;
        const QString staging = home.host(QStringLiteral("e:\\")) + QStringLiteral("/staging");
        QDir().mkpath(staging);
        for (int n = 1; n <= count; ++n) {
            QByteArray bytes(30000 + n, Qt::Uninitialized);
            QRandomGenerator(seed + quint32(n)).fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
            volumes << bytes;
            write(staging + QLatin1Char('/') + volumeName(n), bytes);
            write(staging + QStringLiteral("/file_id.diz"),
                  "A game\r\nVolume " + numbertext::zeroPadded(n, digits).toLatin1() + '/'
                      + numbertext::zeroPadded(count, digits).toLatin1() + "\r\n");
            writer.setTarget(QStringLiteral("e:\\zips\\") + where + zip(stem, n, digits).chopped(4));
            writer.setFileList(QStringLiteral("e:\\staging\\") + volumeName(n) + QStringLiteral("\re:\\staging\\file_id.diz\r"));
            EXPECT_EQ(writer.add(), 0) << writer.lastError().toStdString();
            QFile::remove(staging + QLatin1Char('/') + volumeName(n));
            const FileDigest digest = FileDigest::of(path(where + zip(stem, n, digits)));
            items << ChecksumItem{zip(stem, n, digits), digest.crc, digest.sha256};
        }
        if (sums) {
            write(path(where + stem + QStringLiteral(".sfv")), SfvFile::write(items, QStringLiteral("Zavok32"), QDateTime::currentDateTime()));
            write(path(where + stem + QStringLiteral(".sha256")), Sha256File::write(items));
        }
        if (sub.isEmpty())
            tester.expected = volumes;
        return volumes;
    }

public:
    static void write(const QString& host, const QByteArray& bytes)
    {
        QFile f(host);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
protected:
    void flipByte(const QString& name, qint64 at = -1) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const qint64 where = at < 0 ? f.size() / 2 : at;
        f.seek(where);
        char c = 0;
        f.getChar(&c);
        f.seek(where);
        f.putChar(char(c ^ 0x01));
    }

    QList<SetCheckResult> checkPath(const QString& host)
    {
        const SetFinder::Found found = SetFinder(reader).find(host);
        QList<SetCheckResult> results;
        for (const FoundSet& set : found.sets)
            results << SetChecker(reader, &tester).check(set);
        return results;
    }
};
