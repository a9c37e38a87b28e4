#include "job/scriptreader.h"

#include "job/appstate.h"
#include "job/exitstatus.h"
#include "job/ripjob.h"
#include "platform/driveservice.h"
#include "platform/fileops.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace {

// Reads lines one by one, as a script is read: a missing line is a failure.
// Every failure says on which line of the file it is and what was wrong.
class LineCursor
{
public:
    explicit LineCursor(QStringList lines) : m_lines(std::move(lines)) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
    // The 1-based number of the line last read.
    int lineNumber() const { return int(m_next); }
    // None at the end, and for a line no value can be taken from (failed()
    // then says why).
    std::optional<QString> next()
    {
        if (atEnd())
            return std::nullopt;
        const QString& line = m_lines[m_next++];
        // A control character is in no path or value a script holds; a NUL
        // would cut a path where the system reads it, so that "e:\src<NUL>\..\x"
        // names e:\x.
        for (const QChar c : line) {
            if (c.unicode() < 0x20) {
                fail(QCoreApplication::translate("ScriptReader", "the line holds the control character 0x%1, which no path or value of a script can hold")
                         .arg(c.unicode(), 2, 16, QLatin1Char('0')));
                return std::nullopt;
            }
        }
        return line;
    }
    // The next line's text from a 1-based character position on; a missing
    // line is a failure that names what it should have held.
    std::optional<QString> nextFrom(int position, const QString& what)
    {
        const auto line = next();
        if (!line) {
            if (!failed())
                m_failure = {int(m_next) + 1, QCoreApplication::translate("ScriptReader", "the script ends before the %1 line").arg(what)};
            return std::nullopt;
        }
        return line->mid(position - 1);
    }
    // The line last read, as a message quotes it.
    QString quoted() const { return QLatin1Char('"') + m_lines.value(m_next - 1) + QLatin1Char('"'); }
    void fail(const QString& what) { m_failure = {lineNumber(), what}; }
    void failOnLine(int line, const QString& what) { m_failure = {line, what}; }
    bool failed() const { return !m_failure.what.isEmpty(); }
    ScriptReader::Failure failure() const { return m_failure; }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
    ScriptReader::Failure m_failure;
};

// "True", "False" or a number (0 is false); anything else fails.
std::optional<bool> parseBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value != 0.0;
}

std::optional<bool> booleanFrom(LineCursor& lines, int position, const QString& what)
{
    const auto text = lines.nextFrom(position, what);
    if (!text)
        return std::nullopt;
    const auto value = parseBoolean(*text);
    if (!value)
        lines.fail(lines.quoted() + QCoreApplication::translate("ScriptReader", " is not True, False or a number"));
    return value;
}

std::optional<int> numberFrom(LineCursor& lines, int position, const QString& what)
{
    const auto text = lines.nextFrom(position, what);
    if (!text)
        return std::nullopt;
    const auto value = numbertext::numericValue16(*text);
    if (!value) {
        lines.fail(lines.quoted() + QCoreApplication::translate("ScriptReader", " is not a number from -32768 to 32767"));
        return std::nullopt;
    }
    return int(*value);
}

} // namespace

ScriptReader::ScriptReader(RipJob& job, const AppState& app, Services& services, QString appDirHost)
    : m_job(job)
    , m_app(app)
    , m_services(services)
    , m_appDirHost(std::move(appDirHost))
{
}

QString ScriptReader::Failure::text(const QString& scriptPath) const
{
    return scriptPath + (line > 0 ? QCoreApplication::translate("ScriptReader", ", line %1").arg(line) : QString()) + QStringLiteral(": ") + what;
}

void ScriptReader::readScript(Occasion occasion)
{
    const auto host = m_services.drives->toHost(m_job.scriptPath());
    Failure failure;
    if (!host || !QFileInfo(*host).isFile())
        failure = {0, QCoreApplication::translate("ScriptReader", "the script was not found")};
    else
        failure = read(*host);
    if (failure.what.isEmpty()) {
        if (m_services.shell)
            m_services.shell->processPendingEvents();
        return;
    }
    if (!m_app.unattended()) {
        m_services.messages->show(QCoreApplication::translate("ScriptReader", "Zavok32 error"), errorText(), MessageIcon::Stop);
        return;
    }
    // Nobody is there to see the job half read: running it on the values
    // that were not read would make a set nobody asked for.
    if (occasion == Occasion::Start && m_services.shell)
        m_services.shell->endApplication(exitstatus::NotRun,
                                         failure.text(m_job.scriptPath())
                                             + QCoreApplication::translate("ScriptReader", "; the job was not run. Correct the script and start it again."));
}

ScriptReader::Failure ScriptReader::read(const QString& hostPath)
{
    // Refused before it is read: a file this long is no script, and reading
    // and setting it would keep the window (or an unattended start) busy.
    const qint64 size = QFileInfo(hostPath).size();
    if (size > kMaxBytes)
        return {0, QCoreApplication::translate("ScriptReader", "the file has %1 bytes, more than any script (at most %2); it was not read")
                       .arg(numbertext::grouped(size), numbertext::grouped(kMaxBytes))};
    const auto content = TextFile::readLines(hostPath);
    if (!content)
        return {0, QCoreApplication::translate("ScriptReader", "the script cannot be read")};
    LineCursor lines(*content);
    const auto failed = [&lines] { return lines.failure(); };

    if (!lines.nextFrom(1, QStringLiteral("first")))
        return failed();
    const auto source = lines.nextFrom(9, QStringLiteral("Source:"));
    if (!source)
        return failed();
    m_job.setSourcePath(*source);
    if (!lines.nextFrom(1, QStringLiteral("Skip:")))
        return failed();
    // Gathered first and set once: a long list set entry by entry would
    // refresh every view of it each time.
    const int skipStart = lines.lineNumber();
    QString skipEntries = m_job.skipEntries();
    for (;;) {
        const auto entry = lines.next();
        if (!entry && lines.failed()) {
            m_job.setSkipEntries(skipEntries);
            return failed();
        }
        if (!entry) {
            m_job.setSkipEntries(skipEntries);
            lines.failOnLine(skipStart, QCoreApplication::translate("ScriptReader", "the skip list that starts here has no empty line to end it"));
            return failed();
        }
        if (entry->isEmpty())
            break;
        if (lines.lineNumber() - skipStart > kMaxSkipEntries) {
            lines.failOnLine(skipStart, QCoreApplication::translate("ScriptReader", "the skip list that starts here has more than %1 entries")
                                            .arg(numbertext::grouped(kMaxSkipEntries)));
            return failed();
        }
        skipEntries += *entry + QStringLiteral("\r\n");
    }
    m_job.setSkipEntries(skipEntries);

    const auto diz = lines.nextFrom(6, QStringLiteral("Diz:"));
    if (!diz)
        return failed();
    m_job.setDizPath(*diz);
    const auto autoNumbering = booleanFrom(lines, 8, QStringLiteral("AutoN:"));
    if (!autoNumbering)
        return failed();
    m_job.setAutoNumbering(*autoNumbering);
    const auto column = lines.nextFrom(6, QStringLiteral("Col:"));
    if (!column)
        return failed();
    m_job.setDizColumn(*column);
    const auto line = lines.nextFrom(6, QStringLiteral("Lin:"));
    if (!line)
        return failed();
    m_job.setDizLine(*line);
    const auto nfo = lines.nextFrom(6, QStringLiteral("Nfo:"));
    if (!nfo)
        return failed();
    m_job.setNfoPath(*nfo);
    const auto firstOnly = numberFrom(lines, 6, QStringLiteral("1st:"));
    if (!firstOnly)
        return failed();
    if (!m_job.setFirstZipOnly(*firstOnly)) {
        lines.fail(lines.quoted() + QCoreApplication::translate("ScriptReader", " is not 0 or 1"));
        return failed();
    }

    // The option is set before the path: marking it empties the path.
    const auto fileText = lines.nextFrom(7, QStringLiteral("File:"));
    if (!fileText)
        return failed();
    if (*fileText == QLatin1String("False")) {
        m_job.chooseExtra(ExtraChoice::Directory);
    } else {
        const auto isFile = parseBoolean(*fileText);
        if (!isFile) {
            lines.fail(lines.quoted() + QCoreApplication::translate("ScriptReader", " is not True, False or a number"));
            return failed();
        }
        if (*isFile)
            m_job.chooseExtra(ExtraChoice::File);
        else if (m_job.extraChoice() == ExtraChoice::File)
            m_job.chooseExtra(ExtraChoice::Neither);
    }
    const auto extra = lines.nextFrom(8, QStringLiteral("Extra: (path)"));
    if (!extra)
        return failed();
    m_job.setExtraPath(*extra);

    const auto zipDir = lines.nextFrom(6, QStringLiteral("Zip:"));
    if (!zipDir)
        return failed();
    m_job.setZipDirectory(*zipDir);
    m_job.setZipBaseNameBound(RipJob::kLongNameBound);
    const auto name = lines.nextFrom(7, QStringLiteral("name:"));
    if (!name)
        return failed();
    m_job.setZipBaseName(*name);

    const auto step = numberFrom(lines, 8, QStringLiteral("Size:"));
    if (!step)
        return failed();
    if (!m_job.setArchiveSizeStep(*step)) {
        lines.fail(lines.quoted() + QCoreApplication::translate("ScriptReader", " is not a size step from 0 to %1").arg(RipJob::kMaxSizeStep));
        return failed();
    }
    if (onSizeStepChanged)
        onSizeStepChanged();
    if (m_job.archiveSizeStep() != 0) {
        m_job.setZipBaseName(m_job.zipBaseName().left(RipJob::kShortNameBound));
        m_job.setZipBaseNameBound(RipJob::kShortNameBound);
    }

    const auto archiveLevel = numberFrom(lines, 8, QStringLiteral("Solid:"));
    if (!archiveLevel)
        return failed();
    if (!m_job.setArchiveCompression(*archiveLevel == -1 ? 3 : *archiveLevel)) {
        lines.fail(lines.quoted() + QCoreApplication::translate("ScriptReader", " is not a compression level from 0 to 5, or -1"));
        return failed();
    }
    const auto zipLevel = numberFrom(lines, 8, QStringLiteral("Extra: (level)"));
    if (!zipLevel)
        return failed();
    if (!m_job.setZipCompression(*zipLevel == -1 ? 3 : *zipLevel)) {
        lines.fail(lines.quoted() + QCoreApplication::translate("ScriptReader", " is not a compression level from 0 to 5, or -1"));
        return failed();
    }

    if (lines.atEnd())
        return {};
    const auto comment = lines.next();
    if (!comment)
        return failed();
    const QString commentPath = *comment;
    m_job.setZipCommentPath(commentPath);
    if (commentPath.isEmpty() || readZipComment(commentPath))
        return {};
    lines.fail(QCoreApplication::translate("ScriptReader", "the ZIP comment file %1 cannot be copied").arg(commentPath));
    return failed();
}

bool ScriptReader::readZipComment(const QString& path)
{
    if (!m_services.drives->fileExists(path)) {
        // Shown in every launch mode: the run goes on without the comment.
        m_services.messages->show(QCoreApplication::translate("ScriptReader", "Zavok32 error"), QCoreApplication::translate("ScriptReader", "Zip comment file not found"),
                                  MessageIcon::Exclamation);
        return true;
    }
    const auto host = m_services.drives->toHost(path);
    return host && fileops::copyReplacing(*host, m_appDirHost + QStringLiteral("/zcomment.ini"));
}
