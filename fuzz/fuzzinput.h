#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The input of one fuzz run: a few leading lines of settings, then the data
// the reader under test gets. Seeds stay readable text this way.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), qsizetype(size))
    {
    }

    // The next line without its LF; the rest of the input when there is none.
    QByteArray line()
    {
        const qsizetype end = m_bytes.indexOf('\n', m_pos);
        const qsizetype stop = end < 0 ? m_bytes.size() : end;
        const QByteArray text = m_bytes.mid(m_pos, stop - m_pos);
        m_pos = end < 0 ? m_bytes.size() : end + 1;
        return text;
    }
    QByteArray rest() const { return m_bytes.mid(m_pos); }
    const QByteArray& all() const { return m_bytes; }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

// A property that does not hold is a finding, reported like a crash.
[[noreturn]] inline void fuzzFailure(const char* what, const QString& detail)
{
    std::fprintf(stderr, "property failed: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzFailure(#condition, detail);                                                                           \
    } while (false)

// Qt warns on stderr about every path it refuses (one holding a NUL, say);
// at thousands of runs a second that is only noise. Fatal messages still end
// the run.
inline void quietQtWarnings()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", message.toUtf8().constData());
            std::abort();
        }
    });
}
