#include "setcheck/filedigest.h"

#include <QCoreApplication>
#include <QFile>

#include <openssl/evp.h>
#include <zlib.h>

#include <memory>

FileDigest FileDigest::of(const QString& hostPath, const std::function<bool(qint64)>& progress)
{
    FileDigest digest;
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        digest.error = file.errorString();
        return digest;
    }
    // OpenSSL's SHA-256 uses the processor's SHA instructions where it has
    // them: many times the speed of a portable one, on every byte of a set.
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> sha(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!sha || EVP_DigestInit_ex(sha.get(), EVP_sha256(), nullptr) != 1) {
        digest.error = QCoreApplication::translate("FileDigest", "no SHA-256 digest available");
        return digest;
    }
    uLong crc = crc32(0, nullptr, 0);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(buffer.data(), buffer.size());
        if (n < 0) {
            digest.error = file.errorString();
            return digest;
        }
        if (n == 0)
            break;
        crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer.constData()), uInt(n));
        EVP_DigestUpdate(sha.get(), buffer.constData(), size_t(n));
        digest.size += n;
        if (progress && !progress(n)) {
            digest.error = QCoreApplication::translate("FileDigest", "stopped");
            return digest;
        }
    }
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(sha.get(), out, &length) != 1) {
        digest.error = QCoreApplication::translate("FileDigest", "the SHA-256 digest failed");
        return digest;
    }
    digest.ok = true;
    digest.crc = std::uint32_t(crc);
    digest.sha256 = QByteArray(reinterpret_cast<const char*>(out), int(length));
    return digest;
}
