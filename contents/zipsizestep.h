#pragma once

#include <QString>

class RipJob;
class ViewState;
struct RipRunState;

// What follows from the Zip page's archive size: the size caption beside the
// scroll bar, the volume-count estimate under it, whether the set needs
// three-digit numbers, and the base name's length bound (20 for a single
// archive, 6 before two digits, 5 before three), so that a split set's ZIP
// names keep eight characters before the extension.
class ZipSizeStep
{
public:
    ZipSizeStep(RipJob& job, RipRunState& state, ViewState& view);

    // Runs on every change of archiveSizeStep. An image source keeps volumes
    // of at least 5,000,000 bytes (step 10).
    void stepChanged();
    // Runs on every change of the base name: the hint drops what the last
    // size change cut.
    void nameChanged();

    // The hint beside the base name: how many characters this size allows
    // and why; with cutFrom, the name that the size cut to cutTo.
    static QString nameHint(int bound, const QString& cutFrom = {}, const QString& cutTo = {});

    // ".5 M", "1. M", "2.5 M", "5. M", "99.5 M"; "1.44 M" for step 3, the
    // floppy size the archiver is given for that step.
    static QString sizeCaption(int step);

    static constexpr int kSmallestImageStep = 10;

private:
    RipJob& m_job;
    RipRunState& m_state;
    ViewState& m_view;
};
