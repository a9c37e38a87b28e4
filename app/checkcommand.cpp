#include "app/checkcommand.h"

#include "platform/drivemap.h"
#include "platform/hostdriveservice.h"
#include "platform/libzipreader.h"
#include "setcheck/setchecker.h"
#include "setcheck/setfinder.h"
#include "setcheck/setrepair.h"
#include "setcheck/volumetesters.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

namespace {

struct Sets {
    SetFinder::Found found;
    LibzipReader reader;
    std::unique_ptr<VolumeSetTester> tester = volumetesters::make();
};

// Finds the sets PATH names; false (and a line on `err`) when there are none.
bool findSets(const QString& option, const QString& path, Sets& sets, const CheckCommand::Writer& err)
{
    if (path.trimmed().isEmpty()) {
        err(QCoreApplication::translate("CheckCommand", "zavok32: %1 needs a path: a folder of ZIPs, a set's .sfv or .sha256, or a ZIP of a set\n")
                .arg(option));
        return false;
    }
    QString host = path;
    static const QRegularExpression dosPath(QStringLiteral("^[A-Za-z]:"));
    if (!QFileInfo::exists(path) && dosPath.match(path).hasMatch()) {
        // A DOS path, as scripts name the ZIP folder; the map is only read.
        const DriveMap map = DriveMap::forApplication();
        if (const auto mapped = HostDriveService(map).toHost(path))
            host = *mapped;
    }
    sets.found = SetFinder(sets.reader).find(host);
    if (sets.found.sets.isEmpty()) {
        err(QStringLiteral("zavok32: ") + sets.found.problem + QLatin1Char('\n'));
        return false;
    }
    return true;
}

void printResult(const SetCheckResult& result, const CheckCommand::Writer& out)
{
    for (const QList<FileVerdict>* files : {&result.zips, &result.strays, &result.extras}) {
        for (const FileVerdict& v : *files)
            out(v.line() + QLatin1Char('\n'));
    }
    out(result.summary() + QLatin1Char('\n'));
}

CheckCommand::Writer orStream(const CheckCommand::Writer& given, std::FILE* stream)
{
    return given ? given : CheckCommand::Writer([stream](const QString& line) { print(stream, line); });
}

} // namespace

int CheckCommand::run(const QString& path, const Writer& givenOut, const Writer& givenErr)
{
    const Writer out = orStream(givenOut, stdout);
    const Writer err = orStream(givenErr, stderr);
    Sets sets;
    if (!findSets(QStringLiteral("--check"), path, sets, err))
        return kNoSet;
    SetChecker checker(sets.reader, sets.tester.get());
    bool good = true;
    for (const FoundSet& set : sets.found.sets) {
        const SetCheckResult result = checker.check(set);
        printResult(result, out);
        good = good && result.wholeAndSound();
    }
    return good ? kWholeAndSound : kNotWholeOrSound;
}

int CheckCommand::repair(const QString& path, const Writer& givenOut, const Writer& givenErr)
{
    const Writer out = orStream(givenOut, stdout);
    const Writer err = orStream(givenErr, stderr);
    Sets sets;
    if (!findSets(QStringLiteral("--repair"), path, sets, err))
        return kNoSet;
    SetChecker checker(sets.reader, sets.tester.get());
    bool good = true;
    for (const FoundSet& set : sets.found.sets) {
        SetCheckResult result = checker.check(set);
        if (SetRepair::lostAny(result)) {
            const SetRepair::Outcome outcome = SetRepair::repair(set);
            for (const QString& line : outcome.lines)
                out(line + QLatin1Char('\n'));
            if (!outcome.repaired)
                err(QStringLiteral("zavok32: %1: %2\n").arg(set.stem, outcome.problem));
            // What the set is now, as a check tells it.
            result = checker.check(set);
        }
        printResult(result, out);
        good = good && result.wholeAndSound();
    }
    return good ? kWholeAndSound : kNotWholeOrSound;
}
