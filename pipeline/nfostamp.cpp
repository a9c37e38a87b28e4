#include "pipeline/nfostamp.h"

#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "pipeline/bytelinereader.h"
#include "platform/appdirectory.h"
#include "platform/driveservice.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

const QByteArray kIndent(28, ' ');
const QByteArray kStampStart = kIndent + "Packaged wit";
const QByteArray kStamp = kIndent + "Packaged with Zavok32 by QZM";

bool writeLine(QIODevice& out, const QByteArray& line)
{
    return out.write(line) == line.size() && out.write("\r\n", 2) == 2;
}

} // namespace

StepResult prepareNfo(const RipJob& job, RipRunState& state, const Services& services)
{
    const QString nfoPath = job.nfoPath();
    if (nfoPath.isEmpty())
        return StepResult::success();

    // "/" separates too on this system: a name cut only at "\" could still
    // lead out of the application directory.
    const qsizetype cut = std::max(nfoPath.lastIndexOf(QLatin1Char('\\')), nfoPath.lastIndexOf(QLatin1Char('/')));
    const QString name = nfoPath.mid(cut + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return StepResult::failure(QCoreApplication::translate("NfoStamp", "the information file has no file name: ") + nfoPath);
    state.nfoFileName = name;

    QFile in(services.drives->toHost(nfoPath).value_or(QString()));
    if (!in.open(QIODevice::ReadOnly))
        return StepResult::failure(QCoreApplication::translate("NfoStamp", "cannot read the information file ") + nfoPath);
    const QString target = AppDirectory::path() + QLatin1Char('/') + name;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return StepResult::failure(QCoreApplication::translate("NfoStamp", "cannot write ") + target);

    ByteLineReader reader(in);
    bool stamped = false;
    while (const auto line = reader.next()) {
        if (!writeLine(out, *line))
            return StepResult::failure(QCoreApplication::translate("NfoStamp", "cannot write ") + target);
        services.shell->processPendingEvents();
        if (line->left(40) == kStampStart) {
            stamped = true;
            break;
        }
    }
    if (reader.failed())
        return StepResult::failure(QCoreApplication::translate("NfoStamp", "cannot read the information file ") + nfoPath);
    if (!stamped && !(writeLine(out, QByteArray()) && writeLine(out, kStamp)))
        return StepResult::failure(QCoreApplication::translate("NfoStamp", "cannot write ") + target);
    if (!out.commit())
        return StepResult::failure(QCoreApplication::translate("NfoStamp", "cannot write ") + target + QStringLiteral(": ") + out.errorString());
    return StepResult::success();
}
