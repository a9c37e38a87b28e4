#include "platform/libzipreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

namespace {

QString errorText(int zipError, int systemError)
{
    zip_error_t error;
    zip_error_init_with_code(&error, zipError);
    if (systemError)
        zip_error_set(&error, zipError, systemError);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString errorText(zip_error_t* error)
{
    return errorText(zip_error_code_zip(error), zip_error_code_system(error));
}

// What a read failure inside an entry means to the person checking it.
ZipReadBack::State stateFor(int zipError)
{
    switch (zipError) {
    case ZIP_ER_READ:
    case ZIP_ER_OPEN:
    case ZIP_ER_MEMORY:
        return ZipReadBack::State::Unreadable;
    case ZIP_ER_EOF:
        return ZipReadBack::State::Truncated;
    default:
        return ZipReadBack::State::Damaged;
    }
}

QString describe(int zipError, const QString& libzipText)
{
    switch (zipError) {
    case ZIP_ER_CRC:
        return QCoreApplication::translate("LibZipReader", "CRC error");
    case ZIP_ER_COMPRESSED_DATA:
    case ZIP_ER_ZLIB:
        return QCoreApplication::translate("LibZipReader", "its data cannot be unpacked");
    case ZIP_ER_EOF:
        return QCoreApplication::translate("LibZipReader", "the file ends inside it");
    default:
        return libzipText;
    }
}

struct Archive {
    zip_t* zip = nullptr;
    ~Archive()
    {
        if (zip)
            zip_discard(zip);
    }
};

// Opens the ZIP strictly; on failure fills *result with why.
zip_t* openStrict(const QString& hostPath, ZipReadBack* result)
{
    const QFileInfo info(hostPath);
    if (!info.exists()) {
        result->state = ZipReadBack::State::Missing;
        result->detail = QCoreApplication::translate("LibZipReader", "missing");
        return nullptr;
    }
    QFile file(hostPath);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        result->state = info.isFile() ? ZipReadBack::State::Unreadable : ZipReadBack::State::NotZip;
        result->detail = info.isFile() ? QCoreApplication::translate("LibZipReader", "cannot be read: ") + file.errorString()
                                       : QCoreApplication::translate("LibZipReader", "not a file");
        return nullptr;
    }
    result->fileSize = info.size();
    const QByteArray head = file.read(4);
    file.close();
    const bool startsAsZip = head == QByteArray("PK\x03\x04", 4) || head == QByteArray("PK\x05\x06", 4);
    if (!startsAsZip) {
        result->state = ZipReadBack::State::NotZip;
        result->detail = info.size() == 0 ? QCoreApplication::translate("LibZipReader", "empty, not a ZIP file") : QCoreApplication::translate("LibZipReader", "not a ZIP file");
        return nullptr;
    }
    int code = 0;
    zip_t* zip = zip_open(QFile::encodeName(hostPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (zip)
        return zip;
    if (code == ZIP_ER_NOZIP) {
        result->state = ZipReadBack::State::Truncated;
        result->detail = QCoreApplication::translate("LibZipReader", "cut short: its end is missing");
    } else if (code == ZIP_ER_OPEN || code == ZIP_ER_READ || code == ZIP_ER_MEMORY) {
        result->state = ZipReadBack::State::Unreadable;
        result->detail = QCoreApplication::translate("LibZipReader", "cannot be read: ") + errorText(code, 0);
    } else {
        result->state = ZipReadBack::State::Damaged;
        result->detail = QCoreApplication::translate("LibZipReader", "damaged: ") + errorText(code, 0);
    }
    return nullptr;
}

// An entry read through libzip as a device, start to end.
class EntryDevice : public QIODevice
{
public:
    EntryDevice(zip_t* zip, zip_file_t* file)
        : m_zip(zip)
        , m_file(file)
    {
    }
    ~EntryDevice() override
    {
        zip_fclose(m_file);
        zip_discard(m_zip);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const zip_int64_t n = zip_fread(m_file, data, zip_uint64_t(maxSize));
        if (n < 0) {
            zip_error_t* error = zip_file_get_error(m_file);
            setErrorString(describe(zip_error_code_zip(error), errorText(error)));
            return -1;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_t* m_zip;
    zip_file_t* m_file;
};

} // namespace

ZipReadBack LibzipReader::readBack(const QString& hostPath, const std::function<bool(qint64)>& progress)
{
    ZipReadBack result;
    Archive archive{openStrict(hostPath, &result)};
    if (!archive.zip)
        return result;
    const zip_int64_t count = zip_get_num_entries(archive.zip, 0);
    QByteArray buffer(kBufferBytes, Qt::Uninitialized);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive.zip, zip_uint64_t(i), 0, &st) != 0) {
            result.state = ZipReadBack::State::Damaged;
            result.detail = QCoreApplication::translate("LibZipReader", "damaged: ") + errorText(zip_get_error(archive.zip));
            return result;
        }
        ZipEntryInfo entry;
        entry.name = QString::fromUtf8(st.name);
        entry.crc = std::uint32_t(st.crc);
        entry.size = qint64(st.size);
        entry.isDirectory = entry.name.endsWith(QLatin1Char('/'));
        result.entries.append(entry);
        if (entry.isDirectory)
            continue;

        const auto fault = [&](ZipReadBack::State state, const QString& what) {
            result.state = state;
            result.entry = entry.name;
            result.detail = entry.name + QStringLiteral(": ") + what;
            return result;
        };
        zip_file_t* file = zip_fopen_index(archive.zip, zip_uint64_t(i), 0);
        if (!file) {
            zip_error_t* error = zip_get_error(archive.zip);
            const int code = zip_error_code_zip(error);
            return fault(stateFor(code), describe(code, errorText(error)));
        }
        qint64 read = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(file, buffer.data(), zip_uint64_t(buffer.size()));
            if (n < 0) {
                zip_error_t* error = zip_file_get_error(file);
                const int code = zip_error_code_zip(error);
                const QString what = describe(code, errorText(error));
                zip_fclose(file);
                return fault(stateFor(code), what);
            }
            if (n == 0)
                break;
            read += n;
            if (progress && !progress(n)) {
                zip_fclose(file);
                return fault(ZipReadBack::State::Stopped, QCoreApplication::translate("LibZipReader", "stopped"));
            }
        }
        zip_fclose(file);
        if (read != entry.size)
            return fault(ZipReadBack::State::Damaged,
                         QCoreApplication::translate("LibZipReader", "holds %1 bytes where its directory says %2").arg(read).arg(entry.size));
    }
    return result;
}

std::optional<QByteArray> LibzipReader::entryBytes(const QString& hostPath, const QString& name, qint64 maxBytes)
{
    ZipReadBack ignored;
    Archive archive{openStrict(hostPath, &ignored)};
    if (!archive.zip)
        return std::nullopt;
    const zip_int64_t index = zip_name_locate(archive.zip, name.toUtf8().constData(), ZIP_FL_NOCASE | ZIP_FL_NODIR);
    zip_stat_t st;
    if (index < 0 || zip_stat_index(archive.zip, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)
        || qint64(st.size) > maxBytes)
        return std::nullopt;
    zip_file_t* file = zip_fopen_index(archive.zip, zip_uint64_t(index), 0);
    if (!file)
        return std::nullopt;
    QByteArray bytes(qsizetype(st.size), Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const zip_int64_t n = zip_fread(file, bytes.data() + got, zip_uint64_t(bytes.size() - got));
        if (n <= 0)
            break;
        got += n;
    }
    // One read past the end makes libzip check the CRC.
    char tail = 0;
    const zip_int64_t end = zip_fread(file, &tail, 1);
    zip_fclose(file);
    if (got != bytes.size() || end != 0)
        return std::nullopt;
    return bytes;
}

std::unique_ptr<QIODevice> LibzipReader::openEntry(const QString& hostPath, const QString& name, QString* error)
{
    ZipReadBack opened;
    zip_t* zip = openStrict(hostPath, &opened);
    if (!zip) {
        if (error)
            *error = opened.detail;
        return nullptr;
    }
    const zip_int64_t index = zip_name_locate(zip, name.toUtf8().constData(), ZIP_FL_NOCASE | ZIP_FL_NODIR);
    zip_file_t* file = index < 0 ? nullptr : zip_fopen_index(zip, zip_uint64_t(index), 0);
    if (!file) {
        if (error)
            *error = index < 0 ? QCoreApplication::translate("LibZipReader", "holds no %1").arg(name) : errorText(zip_get_error(zip));
        zip_discard(zip);
        return nullptr;
    }
    auto device = std::make_unique<EntryDevice>(zip, file);
    device->open(QIODevice::ReadOnly);
    return device;
}
