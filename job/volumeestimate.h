#pragma once

#include <QCoreApplication>
#include <QString>

// How many archive volumes a source is expected to give at a size step, and
// the captions that show it. The arithmetic stays in single precision: the
// count decides where three-digit numbering starts, and the Zip page, the
// measurement and the run must agree on it to the last bit.
class VolumeEstimate
{
public:
    static constexpr float kBytesPerStep = 500000.0f;

    // The volume size of a step, in bytes.
    static float volumeBytes(int sizeStep);
    // sourceMegabytes x 1,000,000 / volumeBytes; the step must not be 0.
    static float volumeCount(float sourceMegabytes, int sizeStep);
    // More than 99 volumes need three-digit numbers.
    static bool needsThreeDigits(float volumeCount) { return volumeCount > 99.0f; }

    // "100.00 files" above one volume, " 1.00 file" (leading blank) otherwise:
    // the caption of a measurement and of a change of size step.
    static QString countCaption(float volumeCount);
    // The same, but "1.00 file" without the blank: the caption Browse shows.
    static QString browseCountCaption(float volumeCount);
    // The estimate caption of step 0: one single archive.
    static QString singleArchiveCaption();
    // The Zip page's size caption of step 0.
    static QString singleArchiveSizeCaption() { return QCoreApplication::translate("VolumeEstimate", "1 Max file"); }
};
