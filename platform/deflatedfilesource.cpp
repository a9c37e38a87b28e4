#include "platform/deflatedfilesource.h"

#include "platform/paralleldeflate.h"
#include "platform/wholefiledeflate.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

namespace deflatedfilesource {
namespace {

struct State {
    int fd = -1;
    QByteArray path;
    zip_uint64_t size = 0;
    time_t mtime = 0;
    // One of the two, the other null.
    ParallelDeflate* deflate;
    WholeFileDeflate* whole;
    int level;
    Hooks hooks;
    zip_error_t error;

    zip_uint64_t readSoFar = 0;
    QByteArray out;
    qsizetype outAt = 0;
    bool complete = false;
    std::shared_ptr<const WholeFileDeflate::Result> wholeResult;
    zip_uint64_t reported = 0; // input bytes told to `advanced`

    State(ParallelDeflate* d, WholeFileDeflate* w, int l, Hooks h)
        : deflate(d)
        , whole(w)
        , level(l)
        , hooks(std::move(h))
    {
        zip_error_init(&error);
    }
    ~State()
    {
        if (fd >= 0)
            ::close(fd);
        zip_error_fini(&error);
    }

    zip_int64_t failWith(int zipError, int systemError = 0)
    {
        zip_error_set(&error, zipError, systemError);
        return -1;
    }

    // Keeps the workers busy: reads parts of the file until as many are in
    // flight as the deflater holds.
    bool feed()
    {
        while (deflate->wantsInput()) {
            const zip_uint64_t left = size - readSoFar;
            QByteArray part(qsizetype(std::min<zip_uint64_t>(left, ParallelDeflate::kPartBytes)), Qt::Uninitialized);
            qsizetype got = 0;
            while (got < part.size()) {
                const ssize_t n = ::read(fd, part.data() + got, size_t(part.size() - got));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    zip_error_set(&error, ZIP_ER_READ, errno);
                    return false;
                }
                if (n == 0)
                    break;
                got += n;
            }
            // A file that shrank while being read ends where it ends; one
            // that grew is taken at the size it had when the ZIP was begun.
            part.truncate(got);
            readSoFar += zip_uint64_t(got);
            deflate->push(part, readSoFar == size || got < ParallelDeflate::kPartBytes);
        }
        return true;
    }

    // Waits for the worker that deflates the whole file.
    zip_int64_t openWhole()
    {
        wholeResult = whole->take(path, level, [this] { return !hooks.advanced || hooks.advanced(0); });
        if (!wholeResult)
            return failWith(ZIP_ER_CANCELLED);
        if (wholeResult->error == ENOMEM)
            return failWith(ZIP_ER_MEMORY);
        if (wholeResult->error)
            return failWith(ZIP_ER_READ, wholeResult->error);
        return 0;
    }

    zip_int64_t readWhole(void* data, zip_uint64_t length)
    {
        const QByteArray& deflated = wholeResult->deflated;
        const zip_uint64_t n = std::min<zip_uint64_t>(length, zip_uint64_t(deflated.size() - outAt));
        if (n == 0) {
            if (!complete && hooks.finished)
                hooks.finished(wholeResult->crc, qint64(wholeResult->size));
            complete = true;
            return 0;
        }
        std::memcpy(data, deflated.constData() + outAt, size_t(n));
        outAt += qsizetype(n);
        // The bar moves with the share of the deflated bytes written.
        const zip_uint64_t done = wholeResult->size * zip_uint64_t(outAt) / zip_uint64_t(deflated.size());
        const zip_uint64_t step = done - reported;
        reported = done;
        if (hooks.advanced && !hooks.advanced(qint64(step)))
            return failWith(ZIP_ER_CANCELLED);
        return zip_int64_t(n);
    }

    zip_int64_t read(void* data, zip_uint64_t length)
    {
        if (whole)
            return readWhole(data, length);
        while (outAt == out.size()) {
            if (deflate->finished()) {
                if (!complete && hooks.finished)
                    hooks.finished(deflate->crc(), qint64(deflate->inputBytes()));
                complete = true;
                return 0;
            }
            if (!feed())
                return -1;
            qsizetype inputSize = 0;
            if (!deflate->take(&out, &inputSize))
                return failWith(ZIP_ER_MEMORY);
            outAt = 0;
            if (!feed())
                return -1;
            if (hooks.advanced && !hooks.advanced(inputSize))
                return failWith(ZIP_ER_CANCELLED);
        }
        const zip_uint64_t n = std::min<zip_uint64_t>(length, zip_uint64_t(out.size() - outAt));
        std::memcpy(data, out.constData() + outAt, size_t(n));
        outAt += qsizetype(n);
        return zip_int64_t(n);
    }
};

zip_int64_t callback(void* userdata, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto* s = static_cast<State*>(userdata);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        if (s->hooks.opening && !s->hooks.opening())
            return s->failWith(ZIP_ER_CANCELLED);
        s->readSoFar = 0;
        s->out.clear();
        s->outAt = 0;
        s->reported = 0;
        s->complete = false;
        if (s->whole)
            return s->openWhole();
        if (::lseek(s->fd, 0, SEEK_SET) < 0)
            return s->failWith(ZIP_ER_SEEK, errno);
        s->deflate->start(s->level);
        return 0;
    case ZIP_SOURCE_READ:
        return s->read(data, length);
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &s->error);
        if (!st)
            return -1;
        zip_stat_init(st);
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_MTIME | ZIP_STAT_ENCRYPTION_METHOD;
        st->size = s->size;
        st->comp_method = ZIP_CM_DEFLATE;
        st->encryption_method = ZIP_EM_NONE;
        st->mtime = s->mtime;
        // The CRC and the true size are known once the whole file is read;
        // libzip asks again then, before it writes the entry's header.
        if (s->complete) {
            st->valid |= ZIP_STAT_CRC;
            st->crc = s->whole ? s->wholeResult->crc : s->deflate->crc();
            st->size = s->whole ? s->wholeResult->size : s->deflate->inputBytes();
        }
        return zip_int64_t(sizeof(zip_stat_t));
    }
    case ZIP_SOURCE_GET_FILE_ATTRIBUTES: {
        // What libzip's own deflate would say of the entry: the version an
        // unzip needs, and the level class in bits 1 and 2 that listings show.
        if (length < sizeof(zip_file_attributes_t))
            return s->failWith(ZIP_ER_INVAL);
        auto* attributes = static_cast<zip_file_attributes_t*>(data);
        attributes->valid |= ZIP_FILE_ATTRIBUTES_VERSION_NEEDED | ZIP_FILE_ATTRIBUTES_GENERAL_PURPOSE_BIT_FLAGS;
        attributes->version_needed = 20;
        attributes->general_purpose_bit_mask = 0x0006;
        attributes->general_purpose_bit_flags = s->level < 3 ? 0x0004 : s->level > 7 ? 0x0002 : 0;
        return zip_int64_t(sizeof(zip_file_attributes_t));
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&s->error, data, length);
    case ZIP_SOURCE_FREE:
        delete s;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SUPPORTS,
                                              ZIP_SOURCE_GET_FILE_ATTRIBUTES, -1);
    default:
        return s->failWith(ZIP_ER_OPNOTSUPP);
    }
}

zip_source* make(zip* archive, const QByteArray& nativePath, ParallelDeflate* deflate, WholeFileDeflate* whole,
                 int level, Hooks hooks)
{
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int why = errno ? errno : EINVAL;
        ::close(fd);
        errno = why;
        return nullptr;
    }
    auto* state = new State(deflate, whole, level, std::move(hooks));
    state->path = nativePath;
    state->size = zip_uint64_t(st.st_size);
    state->mtime = st.st_mtime;
    // A whole file is read by the worker that deflates it.
    if (whole)
        ::close(fd);
    else
        state->fd = fd;
    zip_source_t* source = zip_source_function(archive, callback, state);
    if (!source)
        delete state;
    return source;
}

} // namespace

zip_source* create(zip* archive, const QByteArray& nativePath, ParallelDeflate& deflate, int level, Hooks hooks)
{
    return make(archive, nativePath, &deflate, nullptr, level, std::move(hooks));
}

zip_source* create(zip* archive, const QByteArray& nativePath, WholeFileDeflate& deflate, int level, Hooks hooks)
{
    return make(archive, nativePath, nullptr, &deflate, level, std::move(hooks));
}

} // namespace deflatedfilesource
