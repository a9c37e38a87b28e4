#include "job/scriptreader.h"

#include "job/appstate.h"
#include "job/ripjob.h"
#include "platform/driveservice.h"
#include "platform/fileops.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/textfile.h"

#include <optional>

namespace {

// Reads lines one by one, as a script is read: a missing line is a failure.
class LineCursor
{
public:
    explicit LineCursor(QStringList lines) : m_lines(std::move(lines)) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
    std::optional<QString> next()
    {
        if (atEnd())
            return std::nullopt;
        return m_lines[m_next++];
    }
    // The text from a 1-based character position on.
    std::optional<QString> nextFrom(int position)
    {
        const auto line = next();
        if (!line)
            return std::nullopt;
        return line->mid(position - 1);
    }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
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

std::optional<int> numberFrom(LineCursor& lines, int position)
{
    const auto text = lines.nextFrom(position);
    if (!text)
        return std::nullopt;
    const auto value = numbertext::numericValue16(*text);
    if (!value)
        return std::nullopt;
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

void ScriptReader::readScript()
{
    const auto host = m_services.drives->toHost(m_job.scriptPath());
    const bool ok = host && read(*host);
    if (!ok && !m_app.unattended())
        m_services.messages->show(QStringLiteral("Zavok32 error"), errorText(), MessageIcon::Stop);
    if (ok && m_services.shell)
        m_services.shell->processPendingEvents();
}

bool ScriptReader::read(const QString& hostPath)
{
    const auto content = TextFile::readLines(hostPath);
    if (!content)
        return false;
    LineCursor lines(*content);

    if (!lines.next())
        return false;
    const auto source = lines.nextFrom(9);
    if (!source)
        return false;
    m_job.setSourcePath(*source);
    if (!lines.next()) // "Skip: "
        return false;
    for (;;) {
        const auto entry = lines.next();
        if (!entry)
            return false; // the end of the file inside the skip section
        if (entry->isEmpty())
            break;
        m_job.setSkipEntries(m_job.skipEntries() + *entry + QStringLiteral("\r\n"));
    }

    const auto diz = lines.nextFrom(6);
    if (!diz)
        return false;
    m_job.setDizPath(*diz);
    const auto autoText = lines.nextFrom(8);
    const auto autoNumbering = autoText ? parseBoolean(*autoText) : std::nullopt;
    if (!autoNumbering)
        return false;
    m_job.setAutoNumbering(*autoNumbering);
    const auto column = lines.nextFrom(6);
    if (!column)
        return false;
    m_job.setDizColumn(*column);
    const auto line = lines.nextFrom(6);
    if (!line)
        return false;
    m_job.setDizLine(*line);
    const auto nfo = lines.nextFrom(6);
    if (!nfo)
        return false;
    m_job.setNfoPath(*nfo);
    const auto firstOnly = numberFrom(lines, 6);
    if (!firstOnly || !m_job.setFirstZipOnly(*firstOnly))
        return false;

    // The option is set before the path: marking it empties the path.
    const auto fileText = lines.nextFrom(7);
    if (!fileText)
        return false;
    if (*fileText == QLatin1String("False")) {
        m_job.chooseExtra(ExtraChoice::Directory);
    } else {
        const auto isFile = parseBoolean(*fileText);
        if (!isFile)
            return false;
        if (*isFile)
            m_job.chooseExtra(ExtraChoice::File);
        else if (m_job.extraChoice() == ExtraChoice::File)
            m_job.chooseExtra(ExtraChoice::Neither);
    }
    const auto extra = lines.nextFrom(8);
    if (!extra)
        return false;
    m_job.setExtraPath(*extra);

    const auto zipDir = lines.nextFrom(6);
    if (!zipDir)
        return false;
    m_job.setZipDirectory(*zipDir);
    m_job.setZipBaseNameBound(RipJob::kLongNameBound);
    const auto name = lines.nextFrom(7);
    if (!name)
        return false;
    m_job.setZipBaseName(*name);

    const auto step = numberFrom(lines, 8);
    if (!step || !m_job.setArchiveSizeStep(*step))
        return false;
    if (onSizeStepChanged)
        onSizeStepChanged();
    if (m_job.archiveSizeStep() != 0) {
        m_job.setZipBaseName(m_job.zipBaseName().left(RipJob::kShortNameBound));
        m_job.setZipBaseNameBound(RipJob::kShortNameBound);
    }

    const auto archiveLevel = numberFrom(lines, 8);
    if (!archiveLevel || !m_job.setArchiveCompression(*archiveLevel == -1 ? 3 : *archiveLevel))
        return false;
    const auto zipLevel = numberFrom(lines, 8);
    if (!zipLevel || !m_job.setZipCompression(*zipLevel == -1 ? 3 : *zipLevel))
        return false;

    if (lines.atEnd())
        return true;
    const QString commentPath = *lines.next();
    m_job.setZipCommentPath(commentPath);
    return commentPath.isEmpty() || readZipComment(commentPath);
}

bool ScriptReader::readZipComment(const QString& path)
{
    if (!m_services.drives->fileExists(path)) {
        // Shown in every launch mode: the run goes on without the comment.
        m_services.messages->show(QStringLiteral("Zavok32 error"), QStringLiteral("Zip comment file not found"),
                                  MessageIcon::Exclamation);
        return true;
    }
    const auto host = m_services.drives->toHost(path);
    return host && fileops::copyReplacing(*host, m_appDirHost + QStringLiteral("/zcomment.ini"));
}
