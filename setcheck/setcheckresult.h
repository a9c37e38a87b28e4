#pragma once

#include "setcheck/foundset.h"
#include "setcheck/volumesettester.h"

#include <QList>
#include <QString>

// What a check found of one file of a set.
struct FileVerdict {
    enum class State { Sound, Missing, Damaged, OtherSet };
    QString name;
    int number = 0;
    State state = State::Sound;
    QString detail;     // what is wrong; empty when sound
    QString volumeName; // the volume inside a ZIP, when one was found

    static QString stateText(State state);
    // "game03.zip  damaged: game.r01: CRC error"
    QString line() const;
};

// The verdict on a set: every ZIP it should have, ZIPs of its name that are
// not of it, the files its checksum files also list, and the volume set
// inside the ZIPs.
struct SetCheckResult {
    FoundSet set;
    QList<FileVerdict> zips;   // the set's own, by number
    QList<FileVerdict> strays; // always of another set
    QList<FileVerdict> extras; // recovery files and the like

    enum class Volumes { Sound, Faulty, NotWhole, NotTested };
    Volumes volumes = Volumes::NotTested;
    QString volumesDetail;
    bool stopped = false;

    int countOf(FileVerdict::State state) const;
    bool wholeAndSound() const;
    // One line: "game: all 12 ZIPs are sound and so is the volume set inside".
    QString summary() const;
};
