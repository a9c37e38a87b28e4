#include "job/volumeestimate.h"

#include "platform/numbertext.h"

#include <QCoreApplication>

float VolumeEstimate::volumeBytes(int sizeStep)
{
    return float(sizeStep) * kBytesPerStep;
}

float VolumeEstimate::volumeCount(float sourceMegabytes, int sizeStep)
{
    const float sourceBytes = sourceMegabytes * 1000000.0f;
    return sourceBytes / volumeBytes(sizeStep);
}

QString VolumeEstimate::countCaption(float volumeCount)
{
    if (volumeCount > 1.0f)
        return numbertext::twoDecimals(double(volumeCount)) + QCoreApplication::translate("VolumeEstimate", " files");
    return QCoreApplication::translate("VolumeEstimate", " 1.00 file");
}

QString VolumeEstimate::browseCountCaption(float volumeCount)
{
    if (volumeCount > 1.0f)
        return numbertext::twoDecimals(double(volumeCount)) + QCoreApplication::translate("VolumeEstimate", " files");
    return singleArchiveCaption();
}

QString VolumeEstimate::singleArchiveCaption()
{
    return QCoreApplication::translate("VolumeEstimate", "1.00 file");
}
