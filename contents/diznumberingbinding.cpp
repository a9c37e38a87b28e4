#include "contents/diznumberingbinding.h"

#include "contents/dizfile.h"
#include "job/ripjob.h"

DizNumberingBinding::DizNumberingBinding(RipJob& job, DizFile& diz, QObject* parent)
    : QObject(parent)
{
    connect(&job, &RipJob::changed, this, [&diz](RipJob::Field field) {
        if (field == RipJob::Field::AutoNumbering)
            diz.numberingChanged();
        else if (field == RipJob::Field::DizPath)
            diz.pathChanged();
    });
}
