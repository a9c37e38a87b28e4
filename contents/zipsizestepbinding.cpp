#include "contents/zipsizestepbinding.h"

#include "contents/zipsizestep.h"
#include "job/ripjob.h"

ZipSizeStepBinding::ZipSizeStepBinding(RipJob& job, ZipSizeStep& sizeStep, QObject* parent)
    : QObject(parent)
{
    connect(&job, &RipJob::changed, this, [&sizeStep](RipJob::Field field) {
        if (field == RipJob::Field::ArchiveSizeStep)
            sizeStep.stepChanged();
        else if (field == RipJob::Field::ZipBaseName)
            sizeStep.nameChanged();
    });
}
