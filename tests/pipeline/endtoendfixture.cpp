#include "endtoendfixture.h"

#include "pipeline/standardrunsteps.h"
#include "platform/appdirectory.h"
#include "resume/runjournal.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

namespace {

QString binDir()
{
    const QByteArray fromEnv = qgetenv("ZAVOK32_TEST_BIN");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
#ifdef ZAVOK32_TEST_BIN_DIR
    return QStringLiteral(ZAVOK32_TEST_BIN_DIR);
#else
    // tests/bin beside bin in the build tree.
    return QDir(PosixProcessRunner::executableFolder() + QStringLiteral("/../../bin")).absolutePath();
#endif
}

} // namespace

void EndToEnd::SetUp()
{
    sourceRoot = home.addDrive(QLatin1Char('d'));
    const QString eRoot = home.addDrive(QLatin1Char('e'));
    zipsHost = eRoot + QStringLiteral("/zips");
    QDir().mkpath(zipsHost);
    savedPath = qgetenv("PATH");
    // The archivers are found on the search path, as an installed program
    // finds them beside itself.
    qputenv("PATH", (binDir() + QLatin1Char(':')).toLocal8Bit() + savedPath);
    app.soundsEnabled = true;
    home.services.sounds = &sounds;
}

void EndToEnd::TearDown()
{
    qputenv("PATH", savedPath);
    QDir::setCurrent(QDir::tempPath());
}

void EndToEnd::makeRun(std::unique_ptr<ZipComponent> zipComponent)
{
    zip = zipComponent ? std::move(zipComponent) : std::make_unique<LibzipComponent>(home.drives);
    processes = std::make_unique<PosixProcessRunner>(home.home());
    home.services.zip = zip.get();
    home.services.processes = processes.get();
    run = std::make_unique<RipRun>(RunContext{job, state, app, view, home.services,
                                              standardRunSteps(job, state, app, view, home.services), &presenter,
                                              &zipReader, volumeTester});
}

LibzipComponent* EndToEnd::libzip() const
{
    return dynamic_cast<LibzipComponent*>(zip.get());
}

void EndToEnd::writeHost(const QString& relative, const QByteArray& bytes) const
{
    const QString path = sourceRoot + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void EndToEnd::writeRandom(const QString& relative, qint64 size, quint32 seed) const
{
    const QString path = sourceRoot + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QRandomGenerator random(seed);
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (qint64 left = size; left > 0; left -= block.size()) {
        random.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
        ASSERT_GT(f.write(block.constData(), qMin<qint64>(left, block.size())), 0);
    }
}

void EndToEnd::writeZeros(const QString& relative, qint64 size) const
{
    const QString path = sourceRoot + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(size)); // sparse: no time spent writing zeros
}

void EndToEnd::makeTree(const QString& r)
{
    QByteArray text;
    for (int i = 0; i < 400; ++i)
        text += "Line " + QByteArray::number(i) + " of a text that packs well.\r\n";
    writeHost(r + QStringLiteral("/Read Me.txt"), text);
    writeHost(r + QStringLiteral("/CAPS.TXT"), "CAPITALS\r\n");
    writeHost(r + QStringLiteral("/empty.dat"), QByteArray());
    writeRandom(r + QStringLiteral("/data/noise.bin"), 5 * 1024 * 1024, 7);
    writeHost(r + QStringLiteral("/data/Sub Dir/Deep/notes.txt"), text.left(3000));
    writeHost(r + QStringLiteral("/data/Mixed Case/File.DOC"), QByteArray(777, 'd'));
    writeHost(r + QStringLiteral("/skipme/secret.txt"), "left out");
}

void EndToEnd::makeDescriptionFiles()
{
    writeHost(QStringLiteral("desc/file_id.diz"),
              "  GAME TITLE\r\n"
              "  ----------\r\n"
              "Volume:  ..../....   \r\n"
              "  the end\r\n");
    writeHost(QStringLiteral("desc/game.nfo"), "About this game\r\nplay it\r\n");
    writeHost(QStringLiteral("extra/setup.txt"), "run setup");
    writeHost(QStringLiteral("extra/more/help.txt"), "help");
}

void EndToEnd::setUpJob(const QString& sourceDos, bool image)
{
    makeDescriptionFiles();
    job.setImageMode(image);
    job.setSourcePath(sourceDos);
    if (!image)
        job.setSkipEntries(QStringLiteral("skipme\\*.*\r\n"));
    job.setDizPath(QStringLiteral("d:\\desc\\file_id.diz"));
    job.setAutoNumbering(true);
    job.setDizLine(QStringLiteral("3"));
    job.setDizColumn(QStringLiteral("10"));
    job.setNfoPath(QStringLiteral("d:\\desc\\game.nfo"));
    job.chooseExtra(ExtraChoice::Directory);
    job.setExtraPath(QStringLiteral("d:\\extra"));
    job.setZipDirectory(QStringLiteral("e:\\zips"));
    job.setZipBaseName(QStringLiteral("game"));
    job.setArchiveSizeStep(3);
    measure();
}

void EndToEnd::measure()
{
    qint64 bytes = 0;
    if (job.imageMode())
        bytes = home.drives.fileLength(job.sourcePath()).value_or(0);
    else
        bytes = home.drives.folderSize(job.sourcePath()).value_or(0);
    job.setSourceMegabytes(bytes > 1000000 ? float(bytes) / 1000000.0f : 0.0f);
    job.setSourceWholeMegabytes(qint16(qRound(job.sourceMegabytes())));
}

EndToEnd::Tool EndToEnd::tool(const QString& program, const QStringList& args, const QString& cwd, int timeoutMs)
{
    QProcess p;
    p.setWorkingDirectory(cwd);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Tool t;
    if (!p.waitForStarted(10000))
        return t;
    t.finished = p.waitForFinished(timeoutMs);
    if (!t.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    t.exitCode = p.exitCode();
    t.out = p.readAll();
    return t;
}

QStringList EndToEnd::zipFiles() const
{
    return QDir(zipsHost).entryList({QStringLiteral("*.zip")}, QDir::Files, QDir::Name);
}

void EndToEnd::checkSums(const QString& stem) const
{
    const QStringList zips = zipFiles();
    const Tool sfv = tool(QStringLiteral("cksfv"), {QStringLiteral("-q"), QStringLiteral("-f"), stem + QStringLiteral(".sfv")}, zipsHost);
    EXPECT_TRUE(sfv.ok()) << sfv.out.toStdString();
    const Tool sha = tool(QStringLiteral("sha256sum"), {QStringLiteral("-c"), stem + QStringLiteral(".sha256")}, zipsHost);
    EXPECT_TRUE(sha.ok()) << sha.out.toStdString();
    EXPECT_EQ(QString::fromUtf8(sha.out).count(QStringLiteral(": OK\n")), zips.size());
    QFile listed(zipsHost + QLatin1Char('/') + stem + QStringLiteral(".sfv"));
    ASSERT_TRUE(listed.open(QIODevice::ReadOnly));
    const QByteArray text = listed.readAll();
    EXPECT_TRUE(text.startsWith("; Generated by Zavok32 ")) << text.left(80).toStdString();
    EXPECT_EQ(text.count("\r\n"), text.count('\n')) << "every line ends in CR LF";
    for (const QString& z : zips)
        EXPECT_TRUE(text.contains("\r\n" + z.toUtf8() + ' ')) << z.toStdString();
}

QStringList EndToEnd::zipEntries(const QString& zipName) const
{
    const Tool t = tool(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zipName}, zipsHost);
    return QString::fromLocal8Bit(t.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray EndToEnd::zipEntry(const QString& zipName, const QString& entry) const
{
    return tool(QStringLiteral("unzip"), {QStringLiteral("-p"), zipName, entry}, zipsHost).out;
}

QStringList EndToEnd::workFiles(const QString& workDos) const
{
    QStringList files = QDir(home.host(workDos)).entryList(QDir::Files, QDir::Name);
    files.removeIf([](const QString& name) { return RunJournal::isJournalFile(name); });
    return files;
}

QString EndToEnd::scratch(const QString& name) const
{
    const QString path = home.dir.path() + QStringLiteral("/scratch/") + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

QString EndToEnd::unzipAll(const QStringList& zips) const
{
    const QString out = scratch(QStringLiteral("unzipped"));
    for (const QString& z : zips) {
        const Tool t = tool(QStringLiteral("unzip"), {QStringLiteral("-o"), QStringLiteral("-q"), zipsHost + QLatin1Char('/') + z, QStringLiteral("-d"), out}, out);
        EXPECT_TRUE(t.ok()) << z.toStdString() << t.out.toStdString();
    }
    return out;
}

QString EndToEnd::extractSet(const QString& folder, const QString& firstVolume) const
{
    const QString out = scratch(QStringLiteral("extracted"));
    Tool t;
    if (firstVolume.endsWith(QLatin1String(".ace")))
        t = tool(QStringLiteral("unace"), {QStringLiteral("x"), QStringLiteral("-y"), folder + QLatin1Char('/') + firstVolume}, out, 60000);
    else
        t = tool(QStringLiteral("7z"), {QStringLiteral("x"), QStringLiteral("-y"), QStringLiteral("-o") + out, folder + QLatin1Char('/') + firstVolume}, out);
    EXPECT_TRUE(t.ok()) << t.out.toStdString();
    return out;
}

void EndToEnd::dropFromTree(const QString& folder, const QString& relative) const
{
    const QString path = folder + QLatin1Char('/') + relative;
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

bool EndToEnd::sameFile(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd())
        if (fa.read(1 << 20) != fb.read(1 << 20))
            return false;
    return true;
}

bool EndToEnd::sameTree(const QString& expected, const QString& actual, QString* difference)
{
    const auto files = [](const QString& root) {
        QStringList names;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            names << QDir(root).relativeFilePath(it.next());
        names.sort();
        return names;
    };
    const QStringList want = files(expected);
    const QStringList got = files(actual);
    if (want != got) {
        *difference = QStringLiteral("files differ: expected %1, got %2").arg(want.join(QLatin1Char(',')), got.join(QLatin1Char(',')));
        return false;
    }
    for (const QString& name : want) {
        if (!sameFile(expected + QLatin1Char('/') + name, actual + QLatin1Char('/') + name)) {
            *difference = QStringLiteral("bytes differ: ") + name;
            return false;
        }
    }
    return true;
}
