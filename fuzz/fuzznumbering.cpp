// The volume number written into a description and the stamp of the
// information file, on any bytes, with the line and column boxes holding any
// text. The input is the line box, the column box and the set's volume count
// on one line each, then the file's bytes. Besides not crashing:
// - a position the check accepts is numbered for every volume of the set,
//   and the preview shows exactly the copy of the first volume of a set of
//   99 (or 999);
// - the numbered copy differs from the file only on the chosen line, from
//   the chosen column, by the number text (all of it with two digits); the
//   line keeps its length, or gains the two blanks of three-digit numbering;
// - a refused position says why, or only moves the focus for an empty box;
// - the stamped copy is the file up to its first stamp line, or the whole
//   file, an empty line and the stamp.
#include "fuzzinput.h"

#include "doubles/temphome.h"
#include "job/appstate.h"
#include "job/ripjob.h"
#include "job/riprunstate.h"
#include "pipeline/bytelinereader.h"
#include "pipeline/descriptionpreview.h"
#include "pipeline/diznumbering.h"
#include "pipeline/nfostamp.h"
#include "platform/appdirectory.h"
#include "platform/numbertext.h"

#include <QBuffer>
#include <QFile>

namespace {

class CapturedPreview : public DescriptionPreview
{
public:
    QByteArray text;
    int shown = 0;
    void showPreview(const QByteArray& cp437Text) override
    {
        text = cp437Text;
        ++shown;
    }
};

TempHome& home()
{
    static TempHome* t = [] {
        quietQtWarnings();
        auto* made = new TempHome;
        made->addDrive(QLatin1Char('d'));
        made->map.unmapDrive(QLatin1Char('z'));
        return made;
    }();
    return *t;
}

QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    ByteLineReader reader(buffer, 7); // small pieces: lines cross piece ends
    QList<QByteArray> lines;
    while (const auto line = reader.next())
        lines << *line;
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

QByteArray readAppFile(const QString& name)
{
    QFile file(AppDirectory::path() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString shown(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toPercentEncoding(" /"));
}

// What may differ between the file and a numbered copy.
void checkNumbered(const QList<QByteArray>& in, const QByteArray& written, double targetLine, qint64 column,
                   const QByteArray& number, bool threeDigits)
{
    const QList<QByteArray> out = linesOf(written);
    FUZZ_CHECK(written.endsWith("\r\n") || in.isEmpty(), shown(written));
    FUZZ_CHECK(out.size() == in.size(), shown(written));
    for (qsizetype k = 0; k < in.size(); ++k) {
        if (double(k + 1) != targetLine) {
            FUZZ_CHECK(out[k] == in[k], shown(out[k]));
            continue;
        }
        QByteArray expected = in[k];
        if (threeDigits && expected.size() < column + 7)
            expected += "  ";
        FUZZ_CHECK(out[k].size() == expected.size(), shown(out[k]));
        const qint64 start = column - 1;
        const qint64 count = std::min<qint64>(number.size(), expected.size() - start);
        FUZZ_CHECK(out[k].left(start) == expected.left(start), shown(out[k]));
        FUZZ_CHECK(out[k].mid(start, count) == number.left(count), shown(out[k]));
        FUZZ_CHECK(out[k].mid(start + count) == expected.mid(start + count), shown(out[k]));
        FUZZ_CHECK(threeDigits || count == number.size(), shown(out[k]));
    }
}

void checkStamp(const QList<QByteArray>& in, const QByteArray& written)
{
    const QByteArray indent(28, ' ');
    QList<QByteArray> expected;
    bool stamped = false;
    for (const QByteArray& line : in) {
        expected << line;
        if (line.left(40) == indent + "Packaged wit") {
            stamped = true;
            break;
        }
    }
    if (!stamped)
        expected << QByteArray() << indent + "Packaged with Zavok32 by QZM";
    FUZZ_CHECK(written == joined(expected), shown(written));
}

QByteArray numberText(int current, int total, bool threeDigits)
{
    const int width = threeDigits ? 3 : 2;
    return (numbertext::zeroPadded(current, width) + QLatin1Char('/') + numbertext::zeroPadded(total, width))
        .toLatin1();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TempHome& t = home();
    FuzzInput input(data, size);
    const QString lineBox = QString::fromLatin1(input.line());
    const QString columnBox = QString::fromLatin1(input.line());
    const double asked = numbertext::leadingNumber(QString::fromLatin1(input.line()));
    const int total = asked >= 1 && asked <= 999 ? int(asked) : 12;
    const QByteArray file = input.rest();
    t.write(QStringLiteral("d:\\file_id.diz"), file);
    const QList<QByteArray> lines = linesOf(file);

    RipJob job;
    job.setDizPath(QStringLiteral("d:\\file_id.diz"));
    job.setAutoNumbering(true);
    job.setDizLine(lineBox);
    job.setDizColumn(columnBox);
    job.setNfoPath(QStringLiteral("d:\\file_id.diz"));
    AppState app;
    RipRunState state;
    state.threeDigitNumbering = total > 99;
    state.dizPreviewMode = true;
    t.messages.shown.clear();
    t.shell = FakeShell();
    CapturedPreview preview;

    const StepResult checked = checkDizNumbering(job, state, app, t.services, &preview);
    const double targetLine = numbertext::leadingNumber(lineBox);
    const double columnNumber = qBound(-1e9, numbertext::roundHalfEven(numbertext::leadingNumber(columnBox)), 1e9);
    const bool lineInFile = targetLine >= 1 && targetLine <= double(lines.size()) && targetLine == qint64(targetLine);
    if (checked.ok && state.numberingChecked) {
        FUZZ_CHECK(t.messages.shown.isEmpty(), t.messages.texts().join('\n'));
        FUZZ_CHECK(preview.shown == 1, QString::number(preview.shown));
        FUZZ_CHECK(!lineInFile || columnNumber >= 1, columnBox);
        const qint64 column = qint64(columnNumber);
        RipRunState widest = state;
        widest.currentVolume = 1;
        widest.volumeCount = state.threeDigitNumbering ? 999 : 99;
        FUZZ_CHECK(writeNumberedDiz(job, widest, t.drives).ok, lineBox + " " + columnBox);
        FUZZ_CHECK(readAppFile(QStringLiteral("file_id.diz")) == preview.text, shown(preview.text));

        for (const int current : {1, (total + 1) / 2, total}) {
            RipRunState volume = state;
            volume.currentVolume = qint16(current);
            volume.volumeCount = qint16(total);
            const StepResult written = writeNumberedDiz(job, volume, t.drives);
            FUZZ_CHECK(written.ok, written.reason);
            checkNumbered(lines, readAppFile(QStringLiteral("file_id.diz")), targetLine, column,
                          numberText(current, total, state.threeDigitNumbering), state.threeDigitNumbering);
        }
    } else if (checked.ok) {
        FUZZ_CHECK(preview.shown == 0, QString::number(preview.shown));
        const QStringList said = t.messages.texts();
        const bool emptyBox = columnBox.isEmpty() || lineBox.isEmpty() || columnBox == QLatin1String("0")
            || lineBox == QLatin1String("0");
        FUZZ_CHECK(emptyBox ? said.isEmpty() && !t.shell.focuses.isEmpty()
                            : said == QStringList{QStringLiteral("Column number too high")}
                                  || said == QStringList{QStringLiteral("Line number too high")},
                   said.join('\n'));
    }

    RipRunState nfoState;
    const StepResult stamped = prepareNfo(job, nfoState, t.services);
    FUZZ_CHECK(stamped.ok, stamped.reason);
    FUZZ_CHECK(nfoState.nfoFileName == QLatin1String("file_id.diz"), nfoState.nfoFileName);
    checkStamp(lines, readAppFile(QStringLiteral("file_id.diz")));
    return 0;
}
