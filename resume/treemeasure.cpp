#include "resume/treemeasure.h"

#include "resume/runjournal.h"
#include "resume/sizetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// FNV-1a: the same on every run, unlike Qt's seeded hashes.
quint64 fnv(const QByteArray& bytes)
{
    quint64 h = 14695981039346656037ULL;
    for (const char c : bytes) {
        h ^= quint64(static_cast<unsigned char>(c));
        h *= 1099511628211ULL;
    }
    return h;
}

void add(TreeMeasure& m, const QString& relative, const QFileInfo& info)
{
    ++m.files;
    m.bytes += info.size();
    const QByteArray record = relative.toUtf8() + '\0' + QByteArray::number(info.size()) + '\0'
                              + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
    // A sum does not depend on the order the files come in.
    m.digest += fnv(record);
}

bool isWorkFolder(const QString& dirHost)
{
    return QFileInfo::exists(QDir(dirHost).filePath(RunJournal::fileName()));
}

void walk(TreeMeasure& m, const QString& root, const QString& dir, const QStringList& leaveOut)
{
    const QDir here(dir);
    const QFileInfoList entries = here.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : entries) {
        const QString path = info.filePath();
        if (leaveOut.contains(path))
            continue;
        if (info.isDir() && !info.isSymLink()) {
            if (!isWorkFolder(path))
                walk(m, root, path, leaveOut);
        } else if (info.isFile()) {
            add(m, QDir(root).relativeFilePath(path), info);
        }
    }
}

} // namespace

TreeMeasure TreeMeasure::of(const QString& hostPath, const QStringList& leaveOut)
{
    TreeMeasure m;
    const QFileInfo info(hostPath);
    QStringList cleaned;
    for (const QString& path : leaveOut)
        cleaned << QDir::cleanPath(path);
    if (info.isDir())
        walk(m, QDir::cleanPath(hostPath), QDir::cleanPath(hostPath), cleaned);
    else if (info.isFile())
        add(m, info.fileName(), info);
    return m;
}

TreeMeasure TreeMeasure::ofFiles(const QStringList& hostPaths)
{
    TreeMeasure m;
    for (const QString& path : hostPaths) {
        const QFileInfo info(path);
        if (info.isFile())
            add(m, path, info);
        else
            m.digest += fnv(path.toUtf8() + "\0missing");
    }
    return m;
}

QString TreeMeasure::text() const
{
    return QStringLiteral("files %1 bytes %2 digest %3").arg(files).arg(bytes).arg(digest, 16, 16, QLatin1Char('0'));
}

TreeMeasure TreeMeasure::fromText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^files (\\d+) bytes (\\d+) digest ([0-9a-f]{16})$"));
    const auto match = pattern.match(text);
    TreeMeasure m;
    if (!match.hasMatch())
        return m;
    m.files = match.captured(1).toLongLong();
    m.bytes = match.captured(2).toLongLong();
    m.digest = match.captured(3).toULongLong(nullptr, 16);
    return m;
}

QString TreeMeasure::shortText() const
{
    return (files == 1 ? QCoreApplication::translate("TreeMeasure", "1 file") : QCoreApplication::translate("TreeMeasure", "%1 files").arg(numbertext::grouped(files)))
           + QStringLiteral(", ") + megabytesText(bytes);
}
