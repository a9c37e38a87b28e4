#include "pipeline/diznumbering.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "pipeline/bytelinereader.h"
#include "pipeline/descriptionpreview.h"
#include "platform/appdirectory.h"
#include "platform/driveservice.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/shell.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

const QString kTempCopy = QStringLiteral("c:\\~zavok.diz");
QString errorTitle()
{
    return QCoreApplication::translate("DizNumbering", "Zavok32 error");
}
constexpr qint64 kLongestNumber = 7; // "003/120"

QByteArray numberText(int value, bool threeDigits)
{
    return numbertext::zeroPadded(value, threeDigits ? 3 : 2).toLatin1();
}

QByteArray numberText(int current, int total, bool threeDigits)
{
    return numberText(current, threeDigits) + '/' + numberText(total, threeDigits);
}

double lineValue(const RipJob& job)
{
    return numbertext::leadingNumber(job.dizLine());
}

// A column is a character position: the box's number, rounded as the
// position argument of a string function always was.
qint64 columnValue(const RipJob& job)
{
    const double value = numbertext::roundHalfEven(numbertext::leadingNumber(job.dizColumn()));
    return qint64(qBound(-1e9, value, 1e9));
}

// Room for the three-digit number that a short line would not have.
void padForThreeDigits(QByteArray& line, qint64 column, bool threeDigits)
{
    if (threeDigits && line.size() < column + kLongestNumber)
        line += "  ";
}

void overwrite(QByteArray& line, qint64 column, const QByteArray& number)
{
    const qint64 start = column - 1;
    const qint64 count = std::min<qint64>({kLongestNumber, qint64(number.size()), qint64(line.size()) - start});
    if (count > 0)
        line.replace(start, count, number.left(count));
}

bool writeLine(QIODevice& out, const QByteArray& line)
{
    return out.write(line) == line.size() && out.write("\r\n", 2) == 2;
}

QString hostOrEmpty(const DriveService& drives, const QString& dosPath)
{
    return drives.toHost(dosPath).value_or(QString());
}

void refuse(FocusTarget box, const QString& message, RipRunState& state, const AppState& app,
            const Services& services)
{
    services.shell->showPage(PageId::Diz);
    services.shell->focus(box);
    if (!app.unattended())
        services.messages->show(errorTitle(), message, MessageIcon::Exclamation);
    state.numberingChecked = false;
}

} // namespace

StepResult checkDizNumbering(const RipJob& job, RipRunState& state, const AppState& app, const Services& services,
                             DescriptionPreview* preview)
{
    if (job.dizPath().isEmpty() || !job.autoNumbering())
        return StepResult::success();

    const QString column = job.dizColumn();
    const QString line = job.dizLine();
    std::optional<FocusTarget> emptyBox;
    if (column.isEmpty())
        emptyBox = FocusTarget::DizColumn;
    else if (line.isEmpty())
        emptyBox = FocusTarget::DizLine;
    else if (column == QLatin1String("0"))
        emptyBox = FocusTarget::DizColumn;
    else if (line == QLatin1String("0"))
        emptyBox = FocusTarget::DizLine;
    if (emptyBox) {
        if (services.shell->visiblePage() != PageId::Diz)
            services.shell->showPage(PageId::Diz);
        services.shell->focus(*emptyBox);
        // Also when the Diz page was already showing: an earlier pass must
        // not let a run go on with a box that is now empty.
        state.numberingChecked = false;
        return StepResult::success();
    }

    const double targetLine = lineValue(job);
    const qint64 targetColumn = columnValue(job);
    const bool threeDigits = state.threeDigitNumbering;
    const QByteArray widest = threeDigits ? numberText(1, 999, true) : numberText(1, 99, false);

    QFile in(hostOrEmpty(*services.drives, job.dizPath()));
    if (!in.open(QIODevice::ReadOnly))
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot read the description file ") + job.dizPath());
    const QString tempHost = hostOrEmpty(*services.drives, kTempCopy);
    QFile out(tempHost);
    if (tempHost.isEmpty() || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot write ") + kTempCopy);

    ByteLineReader reader(in);
    qint64 k = 1;
    while (const auto read = reader.next()) {
        QByteArray text = *read;
        if (double(k) == targetLine) {
            padForThreeDigits(text, targetColumn, threeDigits);
            if (text.size() < targetColumn + 4) {
                in.close();
                out.close();
                refuse(FocusTarget::DizColumn, QCoreApplication::translate("DizNumbering", "Column number too high"), state, app, services);
                return StepResult::success();
            }
            if (targetColumn < 1)
                return StepResult::failure(QCoreApplication::translate("DizNumbering", "the numbering column \"%1\" is not a position").arg(column));
            overwrite(text, targetColumn, widest);
        }
        if (!writeLine(out, text))
            return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot write ") + kTempCopy);
        ++k;
        services.shell->processPendingEvents();
    }
    if (reader.failed())
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot read the description file ") + job.dizPath());
    in.close();
    if (!out.flush())
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot write ") + kTempCopy);
    out.close();

    if (targetLine > double(k - 1)) {
        refuse(FocusTarget::DizLine, QCoreApplication::translate("DizNumbering", "Line number too high"), state, app, services);
        return StepResult::success();
    }

    state.numberingChecked = true;
    if (state.dizPreviewMode && preview) {
        QFile copy(tempHost);
        if (!copy.open(QIODevice::ReadOnly))
            return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot read ") + kTempCopy);
        const QByteArray numbered = copy.readAll();
        copy.close();
        preview->showPreview(numbered);
    }
    QFile::remove(tempHost);
    return StepResult::success();
}

StepResult writeNumberedDiz(const RipJob& job, const RipRunState& state, const DriveService& drives)
{
    const double targetLine = lineValue(job);
    const qint64 targetColumn = columnValue(job);
    const bool threeDigits = state.threeDigitNumbering;
    const QByteArray number = numberText(state.currentVolume, state.volumeCount, threeDigits);

    QFile in(hostOrEmpty(drives, job.dizPath()));
    if (!in.open(QIODevice::ReadOnly))
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot read the description file ") + job.dizPath());
    const QString target = AppDirectory::path() + QStringLiteral("/file_id.diz");
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot write ") + target);

    ByteLineReader reader(in);
    qint64 k = 1;
    while (const auto read = reader.next()) {
        QByteArray text = *read;
        if (double(k) == targetLine) {
            padForThreeDigits(text, targetColumn, threeDigits);
            if (targetColumn < 1 || targetColumn > text.size())
                return StepResult::failure(
                    QCoreApplication::translate("DizNumbering", "line %1 of the description has no column %2 for the volume number")
                        .arg(k)
                        .arg(job.dizColumn()));
            overwrite(text, targetColumn, number);
        }
        if (!writeLine(out, text))
            return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot write ") + target);
        ++k;
    }
    if (reader.failed())
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot read the description file ") + job.dizPath());
    if (!out.commit())
        return StepResult::failure(QCoreApplication::translate("DizNumbering", "cannot write ") + target + QStringLiteral(": ") + out.errorString());
    return StepResult::success();
}
