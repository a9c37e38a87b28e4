#pragma once

#include <QString>
#include <optional>

// What the desktop is told when a run ends while the user is busy in
// another window: that the set is ready, or why the run failed. A short run,
// or one the user watched, ends without it.
class RunEndNotice
{
public:
    struct Text {
        QString title;
        QString body;
    };

    // Runs shorter than this are over before anyone looks away.
    static constexpr qint64 kLongRunMs = 5000;

    // made: what the set is ("12 ZIPs in c:\zips"), for a run that made
    // everything; failure: why it did not, in one line, otherwise.
    static std::optional<Text> forRun(qint64 elapsedMs, bool userAway, const QString& made,
                                      const QString& failure);
    // "12 ZIPs of quake2 in c:\zips", "3 volumes of quake2 in c:\Zavok001".
    static QString madeText(int count, bool archivesOnly, const QString& baseName, const QString& folder);
};
