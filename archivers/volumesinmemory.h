#pragma once

#include "volumeopener.h"

#include <QByteArray>
#include <QList>

// The volumes of a set as bytes a caller already holds: volumes it has read
// out of ZIPs, built in a test, or given by a fuzzer. Missing volumes are
// those past the end of the list.
class VolumesInMemory : public VolumeOpener {
public:
    VolumesInMemory(QList<QByteArray> volumes, QList<QString> names);

    QString name(int index) const override;
    Opened open(int index) override;

private:
    QList<QByteArray> m_volumes;
    QList<QString> m_names;
};
