#pragma once

#include <QObject>

class RipJob;
class ZipSizeStep;

// Keeps the Zip page's size texts and the name bound in step with the job:
// every change of archiveSizeStep, whoever makes it (the scroll bar, a
// script, the "&Iso/Bin" switch), runs the step-change procedure. Lives as
// long as the job and the procedure it joins.
class ZipSizeStepBinding : public QObject
{
    Q_OBJECT
public:
    ZipSizeStepBinding(RipJob& job, ZipSizeStep& sizeStep, QObject* parent = nullptr);
};
