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
#include "platform/clock.h"
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

class RunStartClock : public Clock
{
public:
    RunStartClock(const RipRunState& state, const Clock& clock)
        : m_state(state)
        , m_clock(clock)
    {
    }
    QDateTime now() const override { return m_state.runStarted.isValid() ? m_state.runStarted.toLocalTime() : m_clock.now(); }

private:
    const RipRunState& m_state;
    const Clock& m_clock;
};

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
        // The date of a dated name is the run's: one set, one date, however
        // long it runs or whenever it is continued.
        const RunStartClock clock(state, *services.clock);
        const volumenaming::ZipName name = volumenaming::startVolume(job, state, view, app.launchMode, clock, n);
        return ZipNameParts{name.zipNumberText, name.dateText, name.targetName, name.shownFileName};
    };
    steps.writeNumberedDiz = [&job, &state, &services] { orFail(writeNumberedDiz(job, state, *services.drives)); };
    steps.prepareNfo = [&job, &state, &services] { orFail(prepareNfo(job, state, services)); };
    return steps;
}
