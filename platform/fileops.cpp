#include "platform/fileops.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace fileops {

bool copyReplacing(const QString& srcHost, const QString& dstHost, QString* error)
{
    const QFileInfo src(srcHost);
    const QFileInfo dst(dstHost);
    if (dst.exists() && src.exists() && src.canonicalFilePath() == dst.canonicalFilePath()) {
        if (error)
            *error = QCoreApplication::translate("FileOps", "a file cannot be copied onto itself");
        return false;
    }
    QFile in(srcHost);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    QSaveFile out(dstHost);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), buffer.size());
        if (got < 0) {
            if (error)
                *error = in.errorString();
            out.cancelWriting();
            return false;
        }
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got) {
            if (error)
                *error = out.errorString();
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

bool removeIfExists(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (!info.exists() && !info.isSymLink())
        return true;
    return QFile::remove(hostPath);
}

} // namespace fileops
