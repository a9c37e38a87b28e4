#include "platform/libzipcomponent.h"

#include "platform/deflatedfilesource.h"
#include "platform/driveservice.h"
#include "platform/hostdriveservice.h"
#include "platform/numbertext.h"
#include "platform/ownworkingfiles.h"
#include "platform/paralleldeflate.h"
#include "platform/wholefiledeflate.h"
#include "platform/ziptargetsource.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <zip.h>
#include <zlib.h>

// What libzip calls back into while it writes: the component's events and
// its stop flag. A handler that throws must not unwind through libzip's C
// frames, so every call is caught here and turns into a cancelled write.
struct LibzipComponent::Callbacks {
    LibzipComponent& self;
    qint64 totalBytes = 0;
    qint64 doneBytes = 0;
    int lastPercent = -1;
    bool handlerFailed = false;

    bool adding(const QString& zipName)
    {
        try {
            if (self.onAdding)
                self.onAdding(zipName);
            if (self.processPendingEvents)
                self.processPendingEvents();
        } catch (...) {
            handlerFailed = true;
        }
        return !cancelled();
    }

    // The completion counts the bytes of the files read so far: the one
    // figure that moves evenly whether a file is deflated here or by libzip.
    bool advanced(qint64 bytes)
    {
        doneBytes += bytes;
        const int percent =
            totalBytes > 0 ? int(qBound(qint64(0), doneBytes * 100 / totalBytes, qint64(100))) : 100;
        try {
            if (percent != lastPercent) {
                lastPercent = percent;
                if (self.onStatus)
                    self.onStatus(percent);
            }
            if (self.processPendingEvents)
                self.processPendingEvents();
        } catch (...) {
            handlerFailed = true;
        }
        return !cancelled();
    }

    bool cancelled() const { return self.m_stop || handlerFailed; }

    // A source read to its end; a source that libzip reads again replaces
    // what its earlier pass said.
    void finished(const QString& zipName, std::uint32_t crc, qint64 bytes)
    {
        for (WrittenFile& file : written) {
            if (file.zipName == zipName) {
                file = {zipName, crc, bytes};
                return;
            }
        }
        written.append({zipName, crc, bytes});
    }
    QList<WrittenFile> written{};
};

namespace {

QString errorText(const zip_error_t* error)
{
    // zip_error_strerror keeps its text inside the error, hence the copy.
    zip_error_t copy;
    zip_error_init(&copy);
    zip_error_set(&copy, zip_error_code_zip(error), zip_error_code_system(error));
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&copy));
    zip_error_fini(&copy);
    return text;
}

// A file source that raises Adding when libzip starts to read it, which is
// when the file is really packed (libzip reads every source at zip_close).
struct NotifyingSource {
    zip_source_t* inner;
    QString zipName;
    LibzipComponent::Callbacks* callbacks;
    zip_error_t error;
    // What went through so far, told once the file is read to its end.
    uLong crc = 0;
    qint64 bytes = 0;
};

zip_int64_t passError(NotifyingSource* s)
{
    const zip_error_t* inner = zip_source_error(s->inner);
    zip_error_set(&s->error, zip_error_code_zip(inner), zip_error_code_system(inner));
    return -1;
}

zip_int64_t notifyingSourceCallback(void* userdata, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto* s = static_cast<NotifyingSource*>(userdata);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        if (!s->callbacks->adding(s->zipName)) {
            zip_error_set(&s->error, ZIP_ER_CANCELLED, 0);
            return -1;
        }
        s->crc = crc32(0, nullptr, 0);
        s->bytes = 0;
        return zip_source_open(s->inner) < 0 ? passError(s) : 0;
    case ZIP_SOURCE_READ: {
        const zip_int64_t n = zip_source_read(s->inner, data, length);
        if (n < 0)
            return passError(s);
        if (n == 0 && length > 0)
            s->callbacks->finished(s->zipName, std::uint32_t(s->crc), s->bytes);
        for (zip_int64_t at = 0; at < n;) {
            const uInt piece = uInt(std::min<zip_int64_t>(n - at, 1 << 30));
            s->crc = crc32(s->crc, static_cast<const Bytef*>(data) + at, piece);
            at += piece;
        }
        s->bytes += n;
        if (n > 0 && !s->callbacks->advanced(n)) {
            zip_error_set(&s->error, ZIP_ER_CANCELLED, 0);
            return -1;
        }
        return n;
    }
    case ZIP_SOURCE_CLOSE:
        zip_source_close(s->inner);
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &s->error);
        if (!st)
            return -1;
        return zip_source_stat(s->inner, st) < 0 ? passError(s) : zip_int64_t(sizeof(zip_stat_t));
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&s->error, data, length);
    case ZIP_SOURCE_FREE:
        zip_source_free(s->inner);
        zip_error_fini(&s->error);
        delete s;
        return 0;
    case ZIP_SOURCE_SEEK: {
        auto* args = ZIP_SOURCE_GET_ARGS(zip_source_args_seek_t, data, length, &s->error);
        if (!args)
            return -1;
        return zip_source_seek(s->inner, args->offset, args->whence) < 0 ? passError(s) : 0;
    }
    case ZIP_SOURCE_TELL: {
        const zip_int64_t at = zip_source_tell(s->inner);
        return at < 0 ? passError(s) : at;
    }
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                              ZIP_SOURCE_SUPPORTS, -1);
    default:
        zip_error_set(&s->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// Reads the file in pieces at zip_close; nothing is loaded whole.
zip_source_t* notifyingFileSource(zip_t* archive, const QByteArray& nativePath, const QString& zipName,
                                  LibzipComponent::Callbacks* callbacks)
{
    zip_source_t* file = zip_source_file(archive, nativePath.constData(), 0, -1);
    if (!file)
        return nullptr;
    auto* state = new NotifyingSource{file, zipName, callbacks, {}, 0, 0};
    zip_error_init(&state->error);
    zip_source_t* source = zip_source_function(archive, notifyingSourceCallback, state);
    if (!source) {
        zip_source_free(file);
        zip_error_fini(&state->error);
        delete state;
    }
    return source;
}

int cancelCallback(zip_t*, void* userdata)
{
    return static_cast<LibzipComponent::Callbacks*>(userdata)->cancelled() ? 1 : 0;
}

bool isWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// libzip takes an archive comment only when it reads as ASCII or UTF-8, but
// comments are the user's bytes (usually code page 437 art with escape
// codes). Those are written as a placeholder of the same length, which the
// real bytes replace once the file is in place.
bool libzipTakesComment(const QByteArray& comment)
{
    for (const char c : comment) {
        const uchar b = uchar(c);
        if (b >= 0x80 || (b < 0x20 && b != '\r' && b != '\n' && b != '\t'))
            return false;
    }
    return true;
}

QByteArray placeholderFor(const QByteArray& comment)
{
    QByteArray placeholder = comment;
    for (char& c : placeholder) {
        const uchar b = uchar(c);
        if (b >= 0x80 || (b < 0x20 && b != '\r' && b != '\n' && b != '\t'))
            c = '?';
    }
    return placeholder;
}

// The comment is the last field of the end-of-central-directory record,
// which libzip writes at the very end of the file. The replacement has the
// placeholder's length, so the file stays a valid ZIP at every moment.
bool writeCommentInPlace(const QString& hostPath, const QByteArray& comment, const QByteArray& placeholder,
                         QString* error)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadWrite)) {
        *error = file.errorString();
        return false;
    }
    const qint64 recordAt = file.size() - comment.size() - 22;
    if (recordAt < 0 || !file.seek(recordAt)) {
        *error = QCoreApplication::translate("LibZipComponent", "the end record is missing");
        return false;
    }
    const QByteArray tail = file.read(22 + comment.size());
    const int storedLength = uchar(tail[20]) | (uchar(tail[21]) << 8);
    if (tail.size() != 22 + comment.size() || !tail.startsWith("PK\x05\x06") || storedLength != comment.size()
        || tail.mid(22) != placeholder) {
        *error = QCoreApplication::translate("LibZipComponent", "the end record is not where it should be");
        return false;
    }
    if (!file.seek(recordAt + 22) || file.write(comment) != comment.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

LibzipComponent::LibzipComponent(const DriveService& drives)
    : m_drives(drives)
{
}

LibzipComponent::~LibzipComponent() = default;

void LibzipComponent::setCompressionLevel(int level)
{
    if (level >= 0 && level <= 9)
        m_level = level;
}

void LibzipComponent::setTarget(const QString& dosPathWithoutZip)
{
    m_target = dosPathWithoutZip;
}

void LibzipComponent::setComment(const QByteArray& comment)
{
    m_comment = comment;
}

void LibzipComponent::setFileList(const QString& crSeparatedList)
{
    m_list = crSeparatedList;
}

void LibzipComponent::setFoldersLeftOut(const QStringList& dosFolders)
{
    m_foldersLeftOut.clear();
    for (const QString& dos : dosFolders) {
        const auto host = m_drives.toHost(dos);
        const QByteArray real = host ? ZipFolderWalk::canonical(QFile::encodeName(*host)) : QByteArray();
        if (!real.isEmpty())
            m_foldersLeftOut.append(real);
    }
}

void LibzipComponent::setStop(bool stop)
{
    m_stop = stop;
}

void LibzipComponent::setEntryTime(const QDateTime& time, bool filesKeepTheirOwn)
{
    m_entryTime = time.isValid() ? time.toSecsSinceEpoch() : -1;
    m_filesKeepTheirTime = filesKeepTheirOwn;
}

int LibzipComponent::fail(int result, const QString& error)
{
    m_lastError = error;
    return result;
}

std::optional<QString> LibzipComponent::resolve(const QString& path) const
{
    static const QRegularExpression withDrive(QStringLiteral("^[A-Za-z]:"));
    if (withDrive.match(path).hasMatch())
        return m_drives.toHost(path);
    // Relative names go through the drive map too, so that they match the
    // real entries without regard to case, as every DOS path does.
    const auto here = m_drives.toDos(QDir::currentPath());
    if (!here)
        return std::nullopt;
    if (path.startsWith(QLatin1Char('\\')) || path.startsWith(QLatin1Char('/')))
        return m_drives.toHost(here->left(2) + path);
    QString joined = *here;
    if (!joined.endsWith(QLatin1Char('\\')))
        joined += QLatin1Char('\\');
    return m_drives.toHost(joined + path);
}

void LibzipComponent::walkFolder(const QString& folder, const QString& prefix, const QString& excludedHostPath,
                                 QList<Entry>* entries) const
{
    QStringList warnings;
    ZipFolderWalk::Options options;
    options.excludedFile = QFile::encodeName(excludedHostPath);
    options.leftOutFolders = m_foldersLeftOut;
    ZipFolderWalk::walk(folder, prefix, options, entries, &warnings);
    for (const QString& w : warnings)
        warn(w);
}

void LibzipComponent::warn(const QString& text) const
{
    // The extra goes into every ZIP of a set: each thing left out is told once.
    if (m_warnings.contains(text))
        return;
    m_warnings.append(text);
    qWarning().noquote() << "zavok32: warning:" << text;
}

bool LibzipComponent::expandList(QList<Entry>* entries, QString* error, const QString& excludedHostPath) const
{
    return expand(m_list, entries, error, excludedHostPath);
}

bool LibzipComponent::expand(const QString& list, QList<Entry>* entries, QString* error,
                             const QString& excludedHostPath) const
{
    static const QRegularExpression driveOnly(QStringLiteral("^[A-Za-z]:"));
    for (QString item : list.split(QLatin1Char('\r'))) {
        // A list written with CR LF leaves its LF at the start of the next item.
        while (item.startsWith(QLatin1Char('\n')))
            item.remove(0, 1);
        while (item.endsWith(QLatin1Char('\n')))
            item.chop(1);
        if (item.trimmed().isEmpty())
            continue;

        int cut = int(std::max(item.lastIndexOf(QLatin1Char('\\')), item.lastIndexOf(QLatin1Char('/'))));
        if (cut < 0 && driveOnly.match(item).hasMatch())
            cut = 1; // "d:*.*": the current folder of drive d, taken as its root
        const QString name = item.mid(cut + 1);

        if (isWildcard(name)) {
            QString folderDos = item.left(cut + 1);
            if (cut == 1 && !folderDos.endsWith(QLatin1Char('\\')))
                folderDos += QLatin1Char('\\');
            const auto folder = folderDos.isEmpty() ? std::optional(QDir::currentPath()) : resolve(folderDos);
            if (!folder || !QFileInfo(*folder).isDir()) {
                *error = QCoreApplication::translate("LibZipComponent", "Folder not found: ") + item;
                return false;
            }
            if (name == QLatin1String("*.*") || name == QLatin1String("*")) {
                walkFolder(*folder, QString(), excludedHostPath, entries);
                continue;
            }
            const QFileInfoList infos =
                QDir(*folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
            for (const QFileInfo& info : infos) {
                if (HostDriveService::matchesPattern(info.fileName(), name) && !OwnWorkingFiles::matches(info.fileName())
                    && (excludedHostPath.isEmpty() || info.canonicalFilePath() != excludedHostPath))
                    entries->append({info.filePath(), QFile::encodeName(info.filePath()), info.fileName()});
            }
            continue;
        }

        const auto host = resolve(item);
        const QFileInfo info(host.value_or(QString()));
        if (host && info.isFile()) {
            entries->append({*host, QFile::encodeName(*host), info.fileName()});
        } else if (host && info.isDir()) {
            const QString prefix = info.fileName().isEmpty() ? QString() : info.fileName() + QLatin1Char('/');
            walkFolder(*host, prefix, excludedHostPath, entries);
        } else {
            *error = QCoreApplication::translate("LibZipComponent", "File not found: ") + item;
            return false;
        }
    }
    return true;
}

int LibzipComponent::check(Write* write)
{
    m_lastError.clear();
    if (m_busy)
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "The ZIP writer is still busy with another file"));
    if (m_stop)
        return fail(kStopped, QCoreApplication::translate("LibZipComponent", "Stopped"));
    if (m_comment.size() > kMaxCommentBytes)
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "The ZIP comment has %1 bytes, but a ZIP file holds at most 65,535. "
                                            "Shorten the comment or switch it off.")
                                 .arg(numbertext::grouped(m_comment.size())));
    if (m_target.trimmed().isEmpty())
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "No ZIP file name was given"));

    const QString targetDos = m_target + QStringLiteral(".zip");
    const auto target = resolve(targetDos);
    if (!target)
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "The ZIP file %1 is on no usable drive").arg(targetDos));
    const QFileInfo targetInfo(*target);
    if (targetInfo.isDir())
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "%1 is a folder, not a ZIP file").arg(targetDos));
    if (!targetInfo.dir().exists())
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "The folder for %1 does not exist").arg(targetDos));

    QList<Entry> entries;
    QString listError;
    if (!expandList(&entries, &listError, targetInfo.exists() ? targetInfo.canonicalFilePath() : QString()))
        return fail(kFailed, listError);
    // An add that is held must fail now for a file that cannot be read, not
    // later in the write of the whole ZIP.
    for (const Entry& entry : entries) {
        if (entry.hostPath.isEmpty())
            continue;
        const int fd = ::open(entry.nativePath.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return fail(kFailed, QCoreApplication::translate("LibZipComponent", "Cannot read %1: %2").arg(entry.hostPath, QString::fromLocal8Bit(std::strerror(errno))));
        ::close(fd);
    }
    write->targetDos = targetDos;
    write->targetHost = *target;
    for (const Entry& entry : entries) {
        const bool ownTime = m_filesKeepTheirTime && !entry.hostPath.isEmpty();
        write->files.append({entry, m_level, ownTime ? -1 : m_entryTime});
    }
    return kOk;
}

int LibzipComponent::add()
{
    Write next;
    const int checked = check(&next);
    if (checked != kOk)
        return checked;
    if (!m_holding)
        return write(next);
    if (!m_held.files.isEmpty() && m_held.targetHost != next.targetHost)
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "%1 was given while %2 is not written yet").arg(next.targetDos, m_held.targetDos));
    m_held.targetDos = next.targetDos;
    m_held.targetHost = next.targetHost;
    m_held.files.append(next.files);
    // The ZIP is written later in one go; its large files are deflated now.
    for (const Write::File& file : next.files)
        if (deflatedWhole(file.entry.nativePath, file.level))
            whole().prepare(file.entry.nativePath, file.level);
    return kOk;
}

WholeFileDeflate& LibzipComponent::whole()
{
    if (!m_whole)
        m_whole = std::make_unique<WholeFileDeflate>();
    return *m_whole;
}

bool LibzipComponent::deflatedWhole(const QByteArray& nativePath, int level)
{
    struct stat st {};
    if (level == 0 || nativePath.isEmpty() || ::stat(nativePath.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return st.st_size >= kParallelFromBytes && st.st_size <= WholeFileDeflate::kMaxBytes;
}

void LibzipComponent::readAhead(const QString& crSeparatedList)
{
    if (m_stop || m_level == 0)
        return;
    QList<Entry> entries;
    QString error;
    // A file that is missing now fails its own add later.
    expand(crSeparatedList, &entries, &error);
    QList<QByteArray> keep;
    for (const Write::File& file : std::as_const(m_held.files))
        keep.append(file.entry.nativePath);
    QList<QByteArray> ahead;
    for (const Entry& entry : std::as_const(entries))
        if (deflatedWhole(entry.nativePath, m_level))
            ahead.append(entry.nativePath);
    whole().keepOnly(keep + ahead);
    for (const QByteArray& path : std::as_const(ahead))
        whole().prepare(path, m_level);
}

void LibzipComponent::forgetReadAhead()
{
    if (m_whole)
        m_whole->keepOnly({});
}

void LibzipComponent::startZip()
{
    m_holding = true;
    m_held = Write();
}

void LibzipComponent::dropZip()
{
    m_holding = false;
    m_held = Write();
    forgetReadAhead();
}

int LibzipComponent::finishZip()
{
    m_lastError.clear();
    const Write held = std::exchange(m_held, Write());
    m_holding = false;
    if (held.files.isEmpty())
        return kOk;
    if (m_stop) {
        forgetReadAhead();
        return fail(kStopped, QCoreApplication::translate("LibZipComponent", "Stopped: %1 was left as it was").arg(held.targetDos));
    }
    const int written = write(held);
    // After a ZIP that failed nothing read ahead is wanted.
    if (written != kOk)
        forgetReadAhead();
    return written;
}

int LibzipComponent::write(const Write& write)
{
    m_written.clear();
    const QString& targetDos = write.targetDos;
    zip_error_t openError;
    zip_error_init(&openError);
    zip_source_t* file = ziptargetsource::create(QFile::encodeName(write.targetHost), &openError);
    zip_t* archive = file ? zip_open_from_source(file, ZIP_CREATE, &openError) : nullptr;
    if (!archive) {
        if (file)
            zip_source_free(file);
        const QString why = errorText(&openError);
        zip_error_fini(&openError);
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "Cannot open %1: %2").arg(targetDos, why));
    }
    zip_error_fini(&openError);

    Callbacks callbacks{*this};
    const auto discard = [&](const QString& what) {
        const QString text = QStringLiteral("%1 (%2): %3").arg(what, targetDos, errorText(zip_get_error(archive)));
        zip_discard(archive);
        return fail(kFailed, text);
    };

    for (const Write::File& file : write.files) {
        const Entry& entry = file.entry;
        const QByteArray name = entry.zipName.toUtf8();
        if (entry.hostPath.isEmpty()) {
            if (zip_name_locate(archive, name.constData(), 0) < 0) {
                const zip_int64_t folder = zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8);
                if (folder < 0 || (file.time >= 0 && zip_file_set_mtime(archive, zip_uint64_t(folder), time_t(file.time), 0) < 0))
                    return discard(QCoreApplication::translate("LibZipComponent", "Cannot add the folder ") + entry.zipName);
            }
            continue;
        }
        struct stat st {};
        const bool statted = ::stat(entry.nativePath.constData(), &st) == 0;
        const qint64 size = statted ? qint64(st.st_size) : 0;
        callbacks.totalBytes += size;
        const QString zipName = entry.zipName;
        const deflatedfilesource::Hooks hooks{[&callbacks, zipName] { return callbacks.adding(zipName); },
                                              [&callbacks](qint64 bytes) { return callbacks.advanced(bytes); },
                                              [&callbacks, zipName](std::uint32_t crc, qint64 bytes) {
                                                  callbacks.finished(zipName, crc, bytes);
                                              }};
        zip_source_t* source = nullptr;
        if (file.level > 0 && size >= kParallelFromBytes && size <= WholeFileDeflate::kMaxBytes) {
            source = deflatedfilesource::create(archive, entry.nativePath, whole(), file.level, hooks);
        } else if (file.level > 0 && size >= kParallelFromBytes) {
            if (!m_deflate)
                m_deflate = std::make_unique<ParallelDeflate>();
            source = deflatedfilesource::create(archive, entry.nativePath, *m_deflate, file.level, hooks);
        } else {
            source = notifyingFileSource(archive, entry.nativePath, entry.zipName, &callbacks);
        }
        if (!source)
            return discard(QCoreApplication::translate("LibZipComponent", "Cannot read ") + entry.hostPath);
        const zip_int64_t index = zip_file_add(archive, name.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return discard(QCoreApplication::translate("LibZipComponent", "Cannot add ") + entry.zipName);
        }
        // Data that comes deflated is copied as it is when the entry asks for
        // deflate too; anything else would have libzip inflate it again.
        const zip_int32_t method = file.level == 0 ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
        if (zip_set_file_compression(archive, zip_uint64_t(index), method, zip_uint32_t(file.level)) < 0)
            return discard(QCoreApplication::translate("LibZipComponent", "Cannot set the compression of ") + entry.zipName);
        if (file.time >= 0 && zip_file_set_mtime(archive, zip_uint64_t(index), time_t(file.time), 0) < 0)
            return discard(QStringLiteral("Cannot set the time of ") + entry.zipName);
        if (statted)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFREG | (st.st_mode & 07777)) << 16);
    }

    QByteArray placeholder;
    if (!m_comment.isEmpty()) {
        const bool direct = libzipTakesComment(m_comment);
        placeholder = direct ? QByteArray() : placeholderFor(m_comment);
        const QByteArray& written = direct ? m_comment : placeholder;
        if (zip_set_archive_comment(archive, written.constData(), zip_uint16_t(written.size())) < 0)
            return discard(QCoreApplication::translate("LibZipComponent", "Cannot set the ZIP comment"));
    }

    zip_register_cancel_callback_with_state(archive, cancelCallback, nullptr, &callbacks);
    m_busy = true;
    const int closed = zip_close(archive);
    m_busy = false;
    if (closed != 0) {
        const zip_error_t* error = zip_get_error(archive);
        const bool stopped = zip_error_code_zip(error) == ZIP_ER_CANCELLED || m_stop;
        const QString text = errorText(error);
        zip_discard(archive);
        if (callbacks.handlerFailed)
            return fail(kFailed, QCoreApplication::translate("LibZipComponent", "Adding to %1 failed inside an event handler").arg(targetDos));
        if (stopped)
            return fail(kStopped, QCoreApplication::translate("LibZipComponent", "Stopped: %1 was left as it was").arg(targetDos));
        return fail(kFailed, QCoreApplication::translate("LibZipComponent", "Cannot write %1: %2").arg(targetDos, text));
    }

    if (!placeholder.isEmpty()) {
        QString error;
        if (!writeCommentInPlace(write.targetHost, m_comment, placeholder, &error))
            return fail(kFailed, QCoreApplication::translate("LibZipComponent", "Cannot write the ZIP comment into %1: %2").arg(targetDos, error));
    }
    m_written = callbacks.written;
    return kOk;
}
