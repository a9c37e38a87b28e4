#include "platform/ziptargetsource.h"

#include <zip.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Target {
    QByteArray path;
    QByteArray unfinished; // the file being written, while there is one
    int readFd = -1;
    int writeFd = -1;
    zip_error_t error;

    zip_int64_t fail(int zipError, int systemError = 0)
    {
        zip_error_set(&error, zipError, systemError);
        return -1;
    }

    void closeWrite(bool remove)
    {
        if (writeFd >= 0)
            ::close(writeFd);
        writeFd = -1;
        if (remove && !unfinished.isEmpty())
            ::unlink(unfinished.constData());
        unfinished.clear();
    }
};

// The mode a new file gets from this process, as open() would give it.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

zip_int64_t stat(Target& t, void* data, zip_uint64_t length)
{
    auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &t.error);
    if (!st)
        return -1;
    struct stat sb {};
    // libzip takes a read error with ENOENT as "no archive yet".
    if (::stat(t.path.constData(), &sb) != 0)
        return t.fail(ZIP_ER_READ, errno);
    zip_stat_init(st);
    st->size = zip_uint64_t(sb.st_size);
    st->mtime = sb.st_mtime;
    st->valid = ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return sizeof(zip_stat_t);
}

zip_int64_t seek(Target& t, int fd, void* data, zip_uint64_t length, int seekError)
{
    auto* args = ZIP_SOURCE_GET_ARGS(zip_source_args_seek_t, data, length, &t.error);
    if (!args)
        return -1;
    if (::lseek(fd, off_t(args->offset), args->whence) < 0)
        return t.fail(seekError, errno);
    return 0;
}

zip_int64_t beginWrite(Target& t)
{
    QByteArray name = t.path + ziptargetsource::kUnfinished + "XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return t.fail(ZIP_ER_TMPOPEN, errno);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    t.writeFd = fd;
    t.unfinished = name;
    return 0;
}

zip_int64_t write(Target& t, const void* data, zip_uint64_t length)
{
    const char* bytes = static_cast<const char*>(data);
    zip_uint64_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(t.writeFd, bytes + done, size_t(length - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return t.fail(ZIP_ER_WRITE, errno);
        }
        done += zip_uint64_t(n);
    }
    return zip_int64_t(done);
}

zip_int64_t commitWrite(Target& t)
{
    struct stat sb {};
    const mode_t mode = ::stat(t.path.constData(), &sb) == 0 ? (sb.st_mode & 07777) : newFileMode();
    if (::fchmod(t.writeFd, mode) != 0 || ::close(t.writeFd) != 0) {
        t.writeFd = -1;
        const int err = errno;
        t.closeWrite(true);
        return t.fail(ZIP_ER_WRITE, err);
    }
    t.writeFd = -1;
    if (::rename(t.unfinished.constData(), t.path.constData()) != 0) {
        const int err = errno;
        t.closeWrite(true);
        return t.fail(ZIP_ER_RENAME, err);
    }
    t.unfinished.clear();
    return 0;
}

zip_int64_t callback(void* userdata, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    Target& t = *static_cast<Target*>(userdata);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        t.readFd = ::open(t.path.constData(), O_RDONLY | O_CLOEXEC);
        return t.readFd < 0 ? t.fail(ZIP_ER_OPEN, errno) : 0;
    case ZIP_SOURCE_READ: {
        for (;;) {
            const ssize_t n = ::read(t.readFd, data, size_t(length));
            if (n >= 0)
                return n;
            if (errno != EINTR)
                return t.fail(ZIP_ER_READ, errno);
        }
    }
    case ZIP_SOURCE_CLOSE:
        if (t.readFd >= 0)
            ::close(t.readFd);
        t.readFd = -1;
        return 0;
    case ZIP_SOURCE_STAT:
        return stat(t, data, length);
    case ZIP_SOURCE_SEEK:
        return seek(t, t.readFd, data, length, ZIP_ER_SEEK);
    case ZIP_SOURCE_TELL: {
        const off_t at = ::lseek(t.readFd, 0, SEEK_CUR);
        return at < 0 ? t.fail(ZIP_ER_TELL, errno) : zip_int64_t(at);
    }
    case ZIP_SOURCE_BEGIN_WRITE:
        return beginWrite(t);
    case ZIP_SOURCE_WRITE:
        return write(t, data, length);
    case ZIP_SOURCE_SEEK_WRITE:
        return seek(t, t.writeFd, data, length, ZIP_ER_SEEK);
    case ZIP_SOURCE_TELL_WRITE: {
        const off_t at = ::lseek(t.writeFd, 0, SEEK_CUR);
        return at < 0 ? t.fail(ZIP_ER_TELL, errno) : zip_int64_t(at);
    }
    case ZIP_SOURCE_COMMIT_WRITE:
        return commitWrite(t);
    case ZIP_SOURCE_ROLLBACK_WRITE:
        t.closeWrite(true);
        return 0;
    case ZIP_SOURCE_REMOVE:
        if (::unlink(t.path.constData()) != 0 && errno != ENOENT)
            return t.fail(ZIP_ER_REMOVE, errno);
        return 0;
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&t.error, data, length);
    case ZIP_SOURCE_FREE:
        if (t.readFd >= 0)
            ::close(t.readFd);
        t.closeWrite(true);
        zip_error_fini(&t.error);
        delete &t;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                              ZIP_SOURCE_SUPPORTS, ZIP_SOURCE_BEGIN_WRITE, ZIP_SOURCE_WRITE,
                                              ZIP_SOURCE_SEEK_WRITE, ZIP_SOURCE_TELL_WRITE, ZIP_SOURCE_COMMIT_WRITE,
                                              ZIP_SOURCE_ROLLBACK_WRITE, ZIP_SOURCE_REMOVE, -1);
    default:
        return t.fail(ZIP_ER_OPNOTSUPP);
    }
}

} // namespace

zip_source* ziptargetsource::create(const QByteArray& targetPath, zip_error* error)
{
    auto* target = new Target;
    target->path = targetPath;
    zip_error_init(&target->error);
    zip_source_t* source = zip_source_function_create(callback, target, error);
    if (!source) {
        zip_error_fini(&target->error);
        delete target;
    }
    return source;
}
