#include "platform/nativedirectory.h"

#include "platform/textcodec.h"

#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the folder however the listing ends.
struct OpenFolder {
    DIR* dir;
    ~OpenFolder()
    {
        if (dir)
            ::closedir(dir);
    }
};

QDateTime modifiedTime(const struct stat& st)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
}

} // namespace

QString NativeDirectory::decodeName(const QByteArray& bytes, bool* utf8)
{
    // An initial byte-order mark is part of the name, not a hint.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    const bool valid = !decoder.hasError();
    if (utf8)
        *utf8 = valid;
    return valid ? text : textcodec::fromCp1252(bytes);
}

QString NativeDirectory::escaped(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes) {
        const uchar b = uchar(c);
        if (b >= 0x20 && b < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x") + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return text;
}

QByteArray NativeDirectory::join(const QByteArray& folder, const QByteArray& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

std::optional<std::vector<NativeDirectory::Entry>> NativeDirectory::list(const QByteArray& folder, QString* error)
{
    OpenFolder open{::opendir(folder.constData())};
    if (!open.dir) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    std::vector<Entry> entries;
    for (;;) {
        errno = 0;
        const dirent* d = ::readdir(open.dir);
        if (!d)
            break;
        const QByteArray name(d->d_name);
        if (name == "." || name == "..")
            continue;
        Entry e;
        e.nativeName = name;
        e.name = decodeName(name, &e.utf8);
        entries.push_back(std::move(e));
    }
    if (errno != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    return entries;
}

NativeDirectory::Status NativeDirectory::status(const QByteArray& path)
{
    Status s;
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0)
        return s;
    if (S_ISLNK(st.st_mode)) {
        s.link = true;
        if (::stat(path.constData(), &st) != 0)
            return s; // a broken link: Missing
    }
    if (S_ISREG(st.st_mode))
        s.type = Status::Type::File;
    else if (S_ISDIR(st.st_mode))
        s.type = Status::Type::Directory;
    else
        s.type = Status::Type::Other;
    s.size = s.type == Status::Type::File ? uint64_t(st.st_size) : 0;
    s.modified = modifiedTime(st);
    s.device = uint64_t(st.st_dev);
    s.writable = ::access(path.constData(), W_OK) == 0;
    return s;
}
