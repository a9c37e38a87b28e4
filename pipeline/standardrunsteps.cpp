#include "pipeline/standardrunsteps.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "job/viewstate.h"
#include "pipeline/archiverstep.h"
#include "pipeline/diznumbering.h"
#include "pipeline/nfostamp.h"
#include "pipeline/runfailure.h"
#include "pipeline/volumenaming.h"
#include "platform/appdirectory.h"
#include "platform/services.h"
#include "source/jobcheck.h"

#include <memory>

namespace {

void orFail(const StepResult& result)
{
    if (!result.ok)
        throw RunFailure(result.reason);
}

void orFail(bool ok, const QString& error)
{
    if (!ok)
        throw RunFailure(error);
}

} // namespace

RunSteps standardRunSteps(RipJob& job, RipRunState& state, AppState& app, ViewState& view, Services& services,
                          DescriptionPreview* preview)
{
    RunSteps steps;
    auto check = std::make_shared<JobCheck>(job, app, services, &view);
    check->checkDizNumbering = [&job, &state, &app, &services, preview] {
        orFail(checkDizNumbering(job, state, app, services, preview));
        return state.numberingChecked;
    };
    steps.checkJob = [check] { check->checkJob(); };
    steps.baseNameRefusal = [](const QString& name) { return JobCheck::baseNameRefusal(name); };
    steps.checkDizNumbering = [&job, &state, &app, &services, preview] {
        orFail(checkDizNumbering(job, state, app, services, preview));
    };
    steps.prepareArchiver = [&job, &state] {
        QString error;
        orFail(archiverstep::prepareArchiverStep(job, state, AppDirectory::path(), &error), error);
    };
    steps.runArchiver = [&job, &state, &services] {
        QString error;
        ProcessEnd end;
        orFail(archiverstep::runArchiverStep(job, state, services, AppDirectory::path(), &error, &end), error);
        return end;
    };
    steps.volumeFileName = [&job, &state](int n) { return volumenaming::volumeFileName(job, state, n); };
    steps.startVolume = [&job, &state, &app, &view, &services](int n) {
        const volumenaming::ZipName name = volumenaming::startVolume(job, state, view, app.launchMode, *services.clock, n);
        return ZipNameParts{name.zipNumberText, name.dateText, name.targetName, name.shownFileName};
    };
    steps.writeNumberedDiz = [&job, &state, &services] { orFail(writeNumberedDiz(job, state, *services.drives)); };
    steps.prepareNfo = [&job, &state, &services] { orFail(prepareNfo(job, state, services)); };
    return steps;
}
