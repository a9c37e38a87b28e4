#pragma once

#include <QString>
#include <stdexcept>

// An unexpected failure inside a run: a file that cannot be read, written,
// copied or removed, or a value the run cannot work with. The run catches it
// as a whole and ends with its own message; `reason` is the one line an
// unattended run leaves for whoever reads its output.
class RunFailure : public std::runtime_error
{
public:
    explicit RunFailure(const QString& reason, const QString& message = {})
        : std::runtime_error(reason.toStdString())
        , m_reason(reason)
        , m_message(message)
    {
    }

    QString reason() const { return m_reason; }
    // A message of its own instead of the run's catch-all one, for failures
    // that a user can put right once told what they are.
    QString message() const { return m_message; }

private:
    QString m_reason;
    QString m_message;
};
