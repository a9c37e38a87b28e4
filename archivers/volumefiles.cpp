#include "volumefiles.h"

#include "volumenaming.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

VolumeFiles::VolumeFiles(ArchiverKind kind, const QString& firstVolume)
    : m_kind(kind)
    , m_firstVolume(firstVolume)
{
}

QString VolumeFiles::path(int index) const
{
    return m_kind == ArchiverKind::Rar ? VolumeNaming::rar(m_firstVolume, index)
                                       : VolumeNaming::ace(m_firstVolume, index);
}

QString VolumeFiles::name(int index) const
{
    return QFileInfo(path(index)).fileName();
}

VolumeOpener::Opened VolumeFiles::open(int index)
{
    Opened opened;
    QFileInfo info(path(index));
    if (!info.exists()) {
        QString found;
        for (const QString& n : info.dir().entryList(QDir::Files | QDir::Hidden))
            if (n.compare(info.fileName(), Qt::CaseInsensitive) == 0)
                found = n;
        if (found.isEmpty()) {
            opened.missing = true;
            return opened;
        }
        info.setFile(info.dir(), found);
    }
    auto file = std::make_unique<QFile>(info.filePath());
    if (!file->open(QIODevice::ReadOnly)) {
        opened.error = file->errorString();
        return opened;
    }
    opened.device = std::move(file);
    return opened;
}
