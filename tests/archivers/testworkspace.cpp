#include "testworkspace.h"

#include "platform/drivemap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

TestWorkspace::TestWorkspace()
{
    qputenv("ZAVOK32_HOME", home().toUtf8());
    QDir().mkpath(home());
    DriveMap(home()).ensureDefaults();
    QDir().mkpath(work());
    QDir().mkpath(source());
}

QString TestWorkspace::scratch(const QString& name) const
{
    const QString path = m_dir.path() + u'/' + name;
    QDir().mkpath(path);
    return path;
}

void TestWorkspace::writeFile(const QString& relative, const QByteArray& bytes) const
{
    const QString path = source() + u'/' + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void TestWorkspace::writeRandomFile(const QString& relative, qint64 size, quint32 seed) const
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(random.generate() & 0xFF);
    writeFile(relative, bytes);
}

QByteArray TestWorkspace::proseLike(qint64 size, quint32 seed)
{
    static const char* const words[] = {"the", "volume", "disk", "setup", "install", "game", "sound", "card",
                                        "drive", "press", "any", "key", "to", "continue", "of", "and", "file",
                                        "copy", "memory", "driver", "config", "level", "save", "music"};
    QRandomGenerator random(seed);
    QByteArray out;
    while (out.size() < size) {
        const int count = 3 + int(random.bounded(10));
        for (int i = 0; i < count; ++i) {
            out += words[random.bounded(int(std::size(words)))];
            out += i + 1 < count ? ' ' : '.';
        }
        if (random.bounded(4) == 0)
            out += ' ' + QByteArray::number(random.bounded(100000));
        out += "\r\n";
    }
    out.truncate(size);
    return out;
}

void TestWorkspace::makeDir(const QString& relative) const
{
    QDir().mkpath(source() + u'/' + relative);
}

TestWorkspace::Result TestWorkspace::run(const QString& program, const QStringList& args,
                                         const QString& cwd, int timeoutMs)
{
    QProcess p;
    p.setWorkingDirectory(cwd);
    p.start(program, args);
    Result r;
    if (!p.waitForStarted())
        return r;
    // Extractors that miss a volume ask for it on stdin; a closed stdin and a
    // time limit keep them from waiting forever.
    p.closeWriteChannel();
    r.finished = p.waitForFinished(timeoutMs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished();
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

TestWorkspace::Result TestWorkspace::archiver(const QString& program, const QStringList& args) const
{
    return run(binaryDir() + u'/' + program, args, source());
}

QString TestWorkspace::binaryDir()
{
    // The build tree's own bin folder stands in when ctest did not pass it on.
    const QString fromEnvironment = qEnvironmentVariable("ZAVOK32_TEST_BIN");
    return fromEnvironment.isEmpty() ? QStringLiteral(ZAVOK32_BUILD_BIN) : fromEnvironment;
}

QStringList TestWorkspace::volumes() const
{
    return QDir(work()).entryList(QDir::Files, QDir::Name);
}

bool TestWorkspace::sameTree(const QString& a, const QString& b, QString* difference)
{
    const Result r = run(QStringLiteral("diff"), {QStringLiteral("-r"), a, b}, a);
    *difference = r.out + r.err;
    return r.ok();
}
