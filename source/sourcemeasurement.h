#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <optional>

class RipJob;
class ViewState;
struct RipRunState;
struct Services;

// Measures the job's source and keeps what follows from its size: the
// Source page's size label, sourceMegabytes and sourceWholeMegabytes, and the
// Zip page's volume-count estimate.
//
// Byte counts are shown exactly (64 bits); only the megabyte values that
// estimates and thresholds are computed from are single-precision floats.
class SourceMeasurement
{
public:
    SourceMeasurement(RipJob& job, RipRunState& state, ViewState& view, Services& services);

    // Browse, folder source: measures sourcePath as a folder, or as the used
    // space of its drive when it is a drive root ("d:\") of a mounted file
    // system; a letter mapped to a plain folder measures that folder's
    // contents. While it runs the
    // label reads "Calculating files and size", the Browse button and the
    // list bar are disabled and the pointer is busy; pending window events
    // run once. A size that cannot be obtained counts as 0.
    void measureFolder();

    // Browse, image source: the label, sourceMegabytes and
    // sourceWholeMegabytes from the image's length (any length, DVD images
    // of several GiB included). False when the file's length cannot be read;
    // Browse then drops the source.
    bool measureImage(const QString& imagePath);

    // Browse's last step: sourceWholeMegabytes from sourceMegabytes (kept as
    // it was when the size does not fit) and the estimate as Browse shows it.
    // Does not touch threeDigitNumbering.
    void showBrowseEstimate();

    // Measures sourcePath as a folder or drive after a script set it (as an
    // image file when imageMode is on), and updates every value and caption,
    // threeDigitNumbering included. On
    // failure (no such folder, no medium, more than 32,767 MB) the label
    // reads "Error", values set before the failure keep their new content
    // and the others their old one; returns false.
    bool measureSource();

    static QString calculatingText() { return QCoreApplication::translate("SourceMeasurement", "Calculating files and size"); }
    static QString errorText() { return QCoreApplication::translate("SourceMeasurement", "Error"); }
    // "1,000,000 Total bytes"
    static QString folderSizeLabel(qint64 bytes);
    // "1,500,000 Total bytes"; " Total bytes" for an empty image.
    static QString imageSizeLabel(qint64 bytes);
    // Megabytes of 1,000,000 bytes as the estimates use them; a folder or
    // drive of 1,000,000 bytes or less counts as 0.
    static float folderMegabytes(qint64 bytes);
    static float imageMegabytes(qint64 bytes);

private:
    std::optional<qint64> sourceBytes() const;
    void beginBusy(bool letEventsRun);
    void endBusy();

    RipJob& m_job;
    RipRunState& m_state;
    ViewState& m_view;
    Services& m_services;
};
