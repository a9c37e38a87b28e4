#include "setcheck/setcheckresult.h"

#include <QCoreApplication>

QString FileVerdict::stateText(State state)
{
    switch (state) {
    case State::Sound:
        return QCoreApplication::translate("SetCheckResult", "sound");
    case State::Missing:
        return QCoreApplication::translate("SetCheckResult", "missing");
    case State::Damaged:
        return QCoreApplication::translate("SetCheckResult", "damaged");
    case State::OtherSet:
        return QCoreApplication::translate("SetCheckResult", "of another set");
    }
    return {};
}

QString FileVerdict::line() const
{
    QString text = name + QStringLiteral("  ") + stateText(state);
    if (!detail.isEmpty() && state != State::Missing)
        text += QStringLiteral(": ") + detail;
    return text;
}

int SetCheckResult::countOf(FileVerdict::State state) const
{
    return int(std::count_if(zips.begin(), zips.end(), [state](const FileVerdict& v) { return v.state == state; }));
}

bool SetCheckResult::wholeAndSound() const
{
    return !stopped && !zips.isEmpty() && countOf(FileVerdict::State::Sound) == zips.size()
           && (volumes == Volumes::Sound || volumes == Volumes::NotTested);
}

QString SetCheckResult::summary() const
{
    const QString name = set.stem + QStringLiteral(": ");
    if (stopped)
        return name + QCoreApplication::translate("SetCheckResult", "the check was stopped");
    const int count = int(zips.size());
    const int sound = countOf(FileVerdict::State::Sound);
    QString text;
    if (sound == count) {
        text = count == 1 ? QCoreApplication::translate("SetCheckResult", "its one ZIP is sound") : QCoreApplication::translate("SetCheckResult", "all %1 ZIPs are sound").arg(count);
    } else {
        QStringList parts;
        if (sound)
            parts << QCoreApplication::translate("SetCheckResult", "%1 sound").arg(sound);
        for (const auto state : {FileVerdict::State::Missing, FileVerdict::State::Damaged, FileVerdict::State::OtherSet}) {
            if (const int n = countOf(state))
                parts << QStringLiteral("%1 %2").arg(n).arg(FileVerdict::stateText(state));
        }
        text = QCoreApplication::translate("SetCheckResult", "%1 ZIP%2: ").arg(count).arg(count == 1 ? QString() : QStringLiteral("s")) + parts.join(QStringLiteral(", "));
    }
    switch (volumes) {
    case Volumes::Sound:
        text += QCoreApplication::translate("SetCheckResult", ", and the volume set inside is whole and sound");
        break;
    case Volumes::Faulty:
        text += QCoreApplication::translate("SetCheckResult", "; the volume set inside is not sound: ") + volumesDetail;
        break;
    case Volumes::NotWhole:
        text += QCoreApplication::translate("SetCheckResult", "; the volume set inside is not whole");
        break;
    case Volumes::NotTested:
        text += QCoreApplication::translate("SetCheckResult", " (the volumes inside were not tested)");
        break;
    }
    if (!strays.isEmpty())
        text += QCoreApplication::translate("SetCheckResult", "; %1 more ZIP%2 of its name %3 of another set")
                    .arg(strays.size())
                    .arg(strays.size() == 1 ? QString() : QStringLiteral("s"))
                    .arg(strays.size() == 1 ? QCoreApplication::translate("SetCheckResult", "is") : QCoreApplication::translate("SetCheckResult", "are"));
    return name + text;
}
