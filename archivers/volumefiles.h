#pragma once

#include "commandline.h"
#include "volumeopener.h"

// The volumes of a set as files on disk, named after the first as wrar and
// wace name them. A volume that is not there under its own name is also
// found under the same name in other letter case (a set copied from DOS
// media).
class VolumeFiles : public VolumeOpener {
public:
    VolumeFiles(ArchiverKind kind, const QString& firstVolume);

    QString name(int index) const override;
    Opened open(int index) override;
    // The path of volume index as it would be written.
    QString path(int index) const;

private:
    ArchiverKind m_kind;
    QString m_firstVolume;
};
