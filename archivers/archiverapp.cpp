#include "archiverapp.h"

#include "aceformat.h"
#include "archivebuilder.h"
#include "archiverhelp.h"
#include "filewalk.h"
#include "listedfiles.h"
#include "rarformat.h"
#include "settestcommand.h"
#include "skiplist.h"

#include "platform/drivemap.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

bool isDosPath(const QString& path)
{
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 0x80;
}

int lastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
}

QString grouped(uint64_t n)
{
    QLocale c(QLocale::C);
    c.setNumberOptions(QLocale::DefaultNumberOptions);
    return c.toString(qulonglong(n));
}

} // namespace

ArchiverApp::ArchiverApp(ArchiverKind kind, QTextStream& out, QTextStream& err)
    : m_kind(kind)
    , m_program(kind == ArchiverKind::Rar ? QStringLiteral("wrar") : QStringLiteral("wace"))
    , m_out(out)
    , m_err(err)
{
    if (kind == ArchiverKind::Rar)
        m_format = std::make_unique<RarFormat>();
    else
        m_format = std::make_unique<AceFormat>();
}

ArchiverApp::~ArchiverApp() = default;

int ArchiverApp::fail(const QString& text, int code)
{
    m_err << m_program << ": " << text << Qt::endl;
    return code;
}

std::optional<QString> ArchiverApp::existingHostPath(const QString& path) const
{
    if (isDosPath(path)) {
        // Run by hand before the program ever started, c: would not exist yet.
        const DriveMap drives = DriveMap::forApplication();
        drives.ensureDefaults();
        return drives.toHost(path);
    }
    QString host = path;
    host.replace(u'\\', u'/');
    return QDir::current().absoluteFilePath(host);
}

std::optional<QString> ArchiverApp::newHostPath(const QString& path) const
{
    // The file does not exist yet: resolve its folder, keep its name as given.
    const int sep = lastSeparator(path);
    QString folder = sep < 0 ? QString() : path.left(sep + 1);
    const QString name = path.mid(sep + 1);
    if (name.isEmpty())
        return std::nullopt;
    if (folder.isEmpty())
        folder = (isDosPath(path)) ? path.left(2) + u'\\' : QStringLiteral(".");
    const auto host = existingHostPath(folder);
    if (!host || !QFileInfo(*host).isDir())
        return std::nullopt;
    return QDir(*host).absoluteFilePath(isDosPath(name) ? name.mid(2) : name);
}

bool ArchiverApp::readSkipList(const ArchiverOptions& o, QStringList* lines)
{
    *lines = o.skipEntries;
    for (const QString& file : o.skipListFiles) {
        const auto host = existingHostPath(file);
        const auto read = host ? TextFile::readLines(*host) : std::nullopt;
        if (!read) {
            fail(QStringLiteral("cannot read the skip list %1").arg(file));
            return false;
        }
        *lines += *read;
    }
    return true;
}

std::unique_ptr<EntrySource> ArchiverApp::makeSource(const ArchiverOptions& o,
                                                     const QString& firstVolume,
                                                     const QStringList& skipLines)
{
    if (o.listFiles.isEmpty()) {
        // The first volume does not exist yet, so its folder is made canonical instead.
        const QString outputDir = QFileInfo(QFileInfo(firstVolume).absolutePath()).canonicalFilePath();
        const QString first = firstVolume;
        const ArchiveFormat* format = m_format.get();
        // The volumes being written may lie inside the source (a whole drive).
        auto ownVolume = [outputDir, first, format](const QFileInfo& info) {
            return format->isVolumeOfSet(first, info.fileName()) && info.canonicalPath() == outputDir;
        };
        return std::make_unique<FileWalk>(QDir::currentPath(), o.recurse, SkipList::fromLines(skipLines),
                                          ownVolume);
    }

    std::vector<ListedFiles::Item> items;
    const auto resolve = [this](const QString& path) { return existingHostPath(path); };
    for (const QString& listFile : o.listFiles) {
        const auto host = existingHostPath(listFile);
        const auto lines = host ? TextFile::readLines(*host) : std::nullopt;
        if (!lines) {
            m_sourceError = QStringLiteral("cannot read the list file %1").arg(listFile);
            return nullptr;
        }
        auto listed = ListedFiles::fromLines(*lines, o.namesOnly, resolve, &m_sourceError);
        if (!listed)
            return nullptr;
        items.insert(items.end(), listed->begin(), listed->end());
    }
    return std::make_unique<ListedFiles>(std::move(items));
}

void ArchiverApp::removeStaleVolumes(const QString& firstVolume, int from) const
{
    // Left over from an earlier, longer set: readers would take them as ours.
    for (int i = from;; ++i) {
        const QString name = m_format->volumeFileName(firstVolume, i);
        if (!QFileInfo::exists(name) || !QFile::remove(name))
            return;
    }
}

int ArchiverApp::run(const QStringList& args)
{
    QString error;
    const auto options = CommandLine::parse(m_kind, args, &error);
    if (!options)
        return fail(error + u'\n' + ArchiverHelp::usage(m_kind), ExitUsage);
    const ArchiverOptions& o = *options;
    switch (o.command) {
    case ArchiverCommand::Help:
        m_out << ArchiverHelp::help(m_kind) << Qt::flush;
        return ExitOk;
    case ArchiverCommand::Version:
        m_out << ArchiverHelp::version(m_kind) << Qt::endl;
        return ExitOk;
    case ArchiverCommand::Test:
    case ArchiverCommand::Add:
        break;
    }

    QString archive = o.archive;
    if (!archive.mid(lastSeparator(archive) + 1).contains(u'.'))
        archive += m_kind == ArchiverKind::Rar ? QStringLiteral(".rar") : QStringLiteral(".ace");
    if (o.command == ArchiverCommand::Test) {
        const auto firstVolume = existingHostPath(archive);
        if (!firstVolume)
            return fail(QStringLiteral("cannot open %1: its drive is not mapped").arg(archive), SetTestCommand::ExitCannotOpen);
        return SetTestCommand(m_kind, m_out, m_err).run(*firstVolume, archive);
    }
    const auto firstVolume = newHostPath(archive);
    if (!firstVolume)
        return fail(QStringLiteral("cannot create %1: its folder does not exist").arg(archive));
    if (QFileInfo::exists(*firstVolume) && !o.assumeYes)
        return fail(QStringLiteral("%1 already exists (add -y to overwrite it)").arg(archive));

    QStringList skipLines;
    if (!readSkipList(o, &skipLines))
        return ExitFailed;

    if (m_kind == ArchiverKind::Ace)
        m_format = std::make_unique<AceFormat>(o.level);
    else if (o.level > 0)
        m_out << "Compression level -m" << o.level << " asked: files are stored (-m0)." << Qt::endl;

    // A first pass measures the source, so that progress can be shown in percent.
    uint64_t totalBytes = 0;
    uint64_t entries = 0;
    {
        auto counting = makeSource(o, *firstVolume, skipLines);
        if (!counting)
            return fail(m_sourceError);
        SourceEntry e;
        while (counting->next(e)) {
            totalBytes += e.size;
            ++entries;
        }
        if (!counting->error().isEmpty())
            return fail(counting->error());
    }
    if (entries == 0)
        return fail(QStringLiteral("no files to add"));

    m_out << "Creating " << archive << ": " << grouped(entries) << " entries, " << grouped(totalBytes)
          << " bytes";
    if (o.volumeSize > 0)
        m_out << ", volumes of " << grouped(o.volumeSize) << " bytes";
    m_out << Qt::endl;

    auto source = makeSource(o, *firstVolume, skipLines);
    if (!source)
        return fail(m_sourceError);
    ArchiveBuilder builder(*m_format, *firstVolume, o.volumeSize, [this, &source](const QString& line) {
        for (const QString& w : source->takeWarnings())
            m_err << m_program << ": warning: " << w << Qt::endl;
        m_out << line << Qt::endl;
    });
    if (!builder.build(*source, totalBytes)) {
        builder.discard();
        return fail(builder.error() + QStringLiteral("\nNo archive was written; incomplete volumes were removed."));
    }
    for (const QString& w : source->takeWarnings())
        m_err << m_program << ": warning: " << w << Qt::endl;
    removeStaleVolumes(*firstVolume, int(builder.volumes().size()));
    m_out << "Done: " << builder.volumes().size() << (builder.volumes().size() == 1 ? " volume" : " volumes")
          << Qt::endl;
    return ExitOk;
}
