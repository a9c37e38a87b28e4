#include "app/checkcommand.h"

#include "platform/drivemap.h"
#include "platform/hostdriveservice.h"
#include "platform/libzipreader.h"
#include "setcheck/setchecker.h"
#include "setcheck/setfinder.h"
#include "setcheck/volumetesters.h"

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

int CheckCommand::run(const QString& path, const Writer& givenOut, const Writer& givenErr)
{
    const Writer out = givenOut ? givenOut : Writer([](const QString& line) { print(stdout, line); });
    const Writer err = givenErr ? givenErr : Writer([](const QString& line) { print(stderr, line); });
    if (path.trimmed().isEmpty()) {
        err(QStringLiteral("zavok32: --check needs a path: a folder of ZIPs, a set's .sfv or .sha256, or a ZIP of a set\n"));
        return kNoSet;
    }
    QString host = path;
    static const QRegularExpression dosPath(QStringLiteral("^[A-Za-z]:"));
    if (!QFileInfo::exists(path) && dosPath.match(path).hasMatch()) {
        // A DOS path, as scripts name the ZIP folder; the map is only read.
        const DriveMap map = DriveMap::forApplication();
        if (const auto mapped = HostDriveService(map).toHost(path))
            host = *mapped;
    }
    LibzipReader reader;
    const std::unique_ptr<VolumeSetTester> tester = volumetesters::make();
    const SetFinder::Found found = SetFinder(reader).find(host);
    if (found.sets.isEmpty()) {
        err(QStringLiteral("zavok32: ") + found.problem + QLatin1Char('\n'));
        return kNoSet;
    }
    SetChecker checker(reader, tester.get());
    bool good = true;
    for (const FoundSet& set : found.sets) {
        const SetCheckResult result = checker.check(set);
        for (const QList<FileVerdict>* files : {&result.zips, &result.strays, &result.extras}) {
            for (const FileVerdict& v : *files)
                out(v.line() + QLatin1Char('\n'));
        }
        out(result.summary() + QLatin1Char('\n'));
        good = good && result.wholeAndSound();
    }
    return good ? kWholeAndSound : kNotWholeOrSound;
}
