#include "pipeline/extranames.h"

#include "job/ripjob.h"
#include "platform/driveservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

std::optional<ExtraNames::Clash> ExtraNames::find(const RipJob& job, const DriveService& drives,
                                                  const QList<OwnName>& own)
{
    const QString extra = job.extraPath();
    if (extra.isEmpty())
        return std::nullopt;
    const auto host = drives.toHost(extra);
    if (!host)
        return std::nullopt;

    QStringList names;
    const QFileInfo info(*host);
    if (job.extraIsFile()) {
        if (!info.isFile())
            return std::nullopt;
        names << info.fileName();
    } else {
        if (!info.isDir())
            return std::nullopt;
        names = QDir(*host).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

    QHash<QString, qsizetype> index;
    for (qsizetype i = 0; i < own.size(); ++i)
        index.insert(own[i].name.toCaseFolded(), i);
    for (const QString& name : names) {
        const auto hit = index.constFind(name.toCaseFolded());
        if (hit != index.constEnd())
            return Clash{name, own[*hit]};
    }
    return std::nullopt;
}

QString ExtraNames::message(const RipJob& job, const Clash& clash)
{
    const QString what = job.extraIsFile()
        ? QCoreApplication::translate("ExtraNames", "The extra file %1").arg(job.extraPath())
        : QCoreApplication::translate("ExtraNames", "The extra folder %1 holds %2, which").arg(job.extraPath(), clash.name);
    return what + QCoreApplication::translate("ExtraNames", " has the name of %1 (%2) and would replace it in the ZIPs.").arg(clash.own.what, clash.own.name)
           + QCoreApplication::translate("ExtraNames", "\rNothing was packaged. Rename or move that file, or choose another extra, then run the job again.");
}
