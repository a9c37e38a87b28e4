#include "settestcommand.h"

#include "archiverhelp.h"
#include "settester.h"

#include <QLocale>

namespace {

QString grouped(uint64_t n)
{
    QLocale c(QLocale::C);
    c.setNumberOptions(QLocale::DefaultNumberOptions);
    return c.toString(qulonglong(n));
}

QString counted(uint64_t n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(grouped(n), QLatin1String(n == 1 ? one : many));
}

QString line(const TestedEntry& e)
{
    const QString state = e.damaged ? QStringLiteral("BAD") : e.tested ? QStringLiteral("OK") : QStringLiteral("--");
    if (e.isDirectory)
        return QStringLiteral("  %1  %2  %3\\").arg(state, -3).arg(QStringLiteral("folder"), 24).arg(e.name);
    QString text = QStringLiteral("  %1  %2  %3  %4")
                       .arg(state, -3)
                       .arg(grouped(e.size), 14)
                       .arg(QStringLiteral("%1").arg(e.crc, 8, 16, QLatin1Char('0')).toUpper())
                       .arg(e.name);
    if (!e.tested)
        text += QStringLiteral("  (not tested: %1)").arg(e.whyUntested);
    return text;
}

} // namespace

SetTestCommand::SetTestCommand(ArchiverKind kind, QTextStream& out, QTextStream& err)
    : m_kind(kind)
    , m_out(out)
    , m_err(err)
{
}

int SetTestCommand::run(const QString& firstVolume, const QString& shown)
{
    SetTester::Observer observer;
    observer.volumeStarted = [this](int, const QString& name) { m_out << "Testing " << name << Qt::endl; };
    observer.entryTested = [this](const TestedEntry& e) { m_out << line(e) << Qt::endl; };
    const SetTestResult result = SetTester::testFiles(m_kind, firstVolume, observer);

    const QString program = ArchiverHelp::program(m_kind);
    if (!result.sound() && result.fault().volume == 0 && result.volumes.isEmpty()) {
        const SetFault& f = result.fault();
        m_err << program << ": cannot open " << shown << ": "
              << (f.kind == SetFault::Kind::Missing ? QStringLiteral("there is no such file") : f.detail) << Qt::endl;
        return ExitCannotOpen;
    }
    for (const SetFault& f : result.faults)
        m_err << program << ": " << f.text() << Qt::endl;

    qsizetype files = 0;
    uint64_t bytes = 0;
    for (const TestedEntry& e : result.entries) {
        files += e.isDirectory ? 0 : 1;
        bytes += e.size;
    }
    const qsizetype folders = qsizetype(result.entries.size()) - files;
    const QString contents = QStringLiteral("%1, %2, %3, %4")
                                 .arg(counted(uint64_t(result.volumes.size()), "volume", "volumes"),
                                      counted(uint64_t(files), "file", "files"), counted(uint64_t(folders), "folder", "folders"),
                                      counted(bytes, "byte", "bytes"));
    if (!result.sound()) {
        m_out << "The set is not sound: " << result.fault().text();
        if (result.faults.size() > 1)
            m_out << " (" << counted(uint64_t(result.faults.size() - 1), "more fault", "more faults") << ")";
        m_out << Qt::endl;
        bool onlyUnsupported = true;
        for (const SetFault& f : result.faults)
            onlyUnsupported = onlyUnsupported && f.kind == SetFault::Kind::Unsupported;
        return onlyUnsupported ? ExitUntested : ExitDamaged;
    }
    if (const int untested = result.untested()) {
        m_out << "The set is sound as far as it was tested: " << contents << "; "
              << counted(uint64_t(untested), "file", "files") << " not tested." << Qt::endl;
        return ExitUntested;
    }
    m_out << "The set is sound: " << contents << "." << Qt::endl;
    return ExitSound;
}
