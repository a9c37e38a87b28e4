#include "resume/jobidentity.h"

#include "job/ripjob.h"
#include "platform/zipcrc.h"
#include "platform/driveservice.h"
#include "resume/treemeasure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString fileCrc(const QString& dosPath, const DriveService& drives)
{
    if (dosPath.isEmpty())
        return {};
    const auto host = drives.toHost(dosPath);
    const auto crc = host ? zipcrc::ofFile(*host) : std::nullopt;
    return crc ? QString::number(*crc, 16) : QStringLiteral("missing");
}

QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

// The words for each setting, in the order the journal keeps them.
struct Label {
    const char* key;
    const char* words;
};
constexpr Label kLabels[] = {
    {"source", QT_TRANSLATE_NOOP("JobIdentity", "source")},
    {"image", QT_TRANSLATE_NOOP("JobIdentity", "CD image setting")},
    {"cue", QT_TRANSLATE_NOOP("JobIdentity", "cue sheet")},
    {"skip", QT_TRANSLATE_NOOP("JobIdentity", "skip list")},
    {"archiver", QT_TRANSLATE_NOOP("JobIdentity", "archiver")},
    {"size-step", QT_TRANSLATE_NOOP("JobIdentity", "volume size")},
    {"archive-compression", QT_TRANSLATE_NOOP("JobIdentity", "archive compression")},
    {"zip-compression", QT_TRANSLATE_NOOP("JobIdentity", "ZIP compression")},
    {"zip-folder", QT_TRANSLATE_NOOP("JobIdentity", "ZIP folder")},
    {"base-name", QT_TRANSLATE_NOOP("JobIdentity", "base name")},
    {"dated", QT_TRANSLATE_NOOP("JobIdentity", "date in the ZIP names (the $ start)")},
    {"description", QT_TRANSLATE_NOOP("JobIdentity", "description file")},
    {"description-bytes", QT_TRANSLATE_NOOP("JobIdentity", "description file's text")},
    {"numbering", QT_TRANSLATE_NOOP("JobIdentity", "numbering")},
    {"information", QT_TRANSLATE_NOOP("JobIdentity", "information file")},
    {"information-bytes", QT_TRANSLATE_NOOP("JobIdentity", "information file's text")},
    {"first-zip-only", QT_TRANSLATE_NOOP("JobIdentity", "\"1st zip only\" setting")},
    {"extra", QT_TRANSLATE_NOOP("JobIdentity", "extra")},
    {"extra-bytes", QT_TRANSLATE_NOOP("JobIdentity", "extra's files")},
    {"comment", QT_TRANSLATE_NOOP("JobIdentity", "ZIP comment")},
};

QString wordsFor(const QString& key)
{
    for (const Label& label : kLabels)
        if (key == QLatin1String(label.key))
            return QCoreApplication::translate("JobIdentity", label.words);
    return key;
}

// A value short enough to show beside its setting, or nothing.
QString shown(const QString& value)
{
    if (value.isEmpty())
        return QCoreApplication::translate("JobIdentity", "none");
    return value;
}

} // namespace

JobIdentity::Settings JobIdentity::settings(const RipJob& job, bool datedNames, const DriveService& drives,
                                            const QString& appDirHost)
{
    Settings s;
    const auto put = [&s](const char* key, const QString& value) { s.append({QString::fromLatin1(key), value}); };
    put("source", job.sourcePath());
    put("image", onOff(job.imageMode()));
    put("cue", job.cuePath());
    put("skip", job.skipEntries());
    put("archiver", job.archiver() == Archiver::Rar ? QStringLiteral("RAR") : QStringLiteral("ACE"));
    put("size-step", QString::number(job.archiveSizeStep()));
    // The run puts ACE to "Normal" whatever was chosen.
    put("archive-compression", QString::number(job.archiver() == Archiver::Ace ? 3 : job.archiveCompression()));
    put("zip-compression", QString::number(job.zipCompression()));
    put("zip-folder", job.zipDirectory().toLower());
    put("base-name", job.zipBaseName().toLower());
    put("dated", onOff(datedNames));
    put("description", job.dizPath());
    put("description-bytes", fileCrc(job.dizPath(), drives));
    put("numbering", job.autoNumbering() ? QStringLiteral("line %1 column %2").arg(job.dizLine(), job.dizColumn())
                                         : QStringLiteral("off"));
    put("information", job.nfoPath());
    put("information-bytes", fileCrc(job.nfoPath(), drives));
    put("first-zip-only", onOff(job.firstZipOnly() != 0));
    QString extraBytes;
    if (!job.extraPath().isEmpty()) {
        if (job.extraIsFile()) {
            extraBytes = fileCrc(job.extraPath(), drives);
        } else {
            const auto host = drives.toHost(job.extraPath());
            extraBytes = host ? TreeMeasure::of(*host).text() : QStringLiteral("missing");
        }
    }
    put("extra", job.extraPath().isEmpty() ? QString() : (job.extraIsFile() ? QStringLiteral("file ") : QStringLiteral("folder ")) + job.extraPath());
    put("extra-bytes", extraBytes);
    QString comment = QStringLiteral("off");
    if (job.useZipComment()) {
        const auto crc = zipcrc::ofFile(QDir(appDirHost).filePath(QStringLiteral("zcomment.ini")));
        comment = crc ? QString::number(*crc, 16) : QStringLiteral("missing");
    }
    put("comment", comment);
    return s;
}

QString JobIdentity::sourceMeasure(const RipJob& job, const DriveService& drives, const QStringList& leaveOut)
{
    const auto source = drives.toHost(job.sourcePath());
    if (!source)
        return QStringLiteral("missing");
    if (job.imageMode() || QFileInfo(*source).isFile()) {
        QStringList files{*source};
        if (!job.cuePath().isEmpty())
            files << drives.toHost(job.cuePath()).value_or(job.cuePath());
        return TreeMeasure::ofFiles(files).text();
    }
    return TreeMeasure::of(*source, leaveOut).text();
}

QString JobIdentity::difference(const Settings& then, const Settings& now)
{
    for (const auto& [key, value] : now) {
        QString before;
        bool found = false;
        for (const auto& [k, v] : then) {
            if (k == key) {
                before = v;
                found = true;
            }
        }
        if (!found)
            return QCoreApplication::translate("JobIdentity", "it was made by another version of Zavok32");
        if (before == value)
            continue;
        const QString words = wordsFor(key);
        if (key.endsWith(QLatin1String("-bytes")) || key == QLatin1String("comment") || key == QLatin1String("skip"))
            return QCoreApplication::translate("JobIdentity", "the %1 has changed since").arg(words);
        return QCoreApplication::translate("JobIdentity", "the %1 has changed since (%2 then, %3 now)").arg(words, shown(before), shown(value));
    }
    if (then.size() != now.size())
        return QCoreApplication::translate("JobIdentity", "it was made by another version of Zavok32");
    return {};
}

QString JobIdentity::measureDifference(const QString& then, const QString& now)
{
    if (then == now)
        return {};
    const TreeMeasure a = TreeMeasure::fromText(then);
    const TreeMeasure b = TreeMeasure::fromText(now);
    if (a.files == b.files && a.bytes == b.bytes)
        return QCoreApplication::translate("JobIdentity", "the source has changed since (a file was written, renamed or replaced)");
    return QCoreApplication::translate("JobIdentity", "the source has changed since (%1 then, %2 now)").arg(a.shortText(), b.shortText());
}

bool JobIdentity::sameSet(const Settings& a, const Settings& b)
{
    const auto value = [](const Settings& s, const QString& key) {
        for (const auto& [k, v] : s)
            if (k == key)
                return v;
        return QString();
    };
    const QString folder = QStringLiteral("zip-folder");
    const QString base = QStringLiteral("base-name");
    return !value(a, base).isEmpty() && value(a, folder).compare(value(b, folder), Qt::CaseInsensitive) == 0
           && value(a, base).compare(value(b, base), Qt::CaseInsensitive) == 0;
}
