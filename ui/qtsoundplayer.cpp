#include "ui/qtsoundplayer.h"

#include "platform/appdirectory.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

QtSoundPlayer::QtSoundPlayer(QObject* parent)
    : QObject(parent)
{
}

int QtSoundPlayer::durationMs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return 0;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(size);
            if (fmt.size() < 12)
                return 0;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (size % 2)
                file.read(1);
        } else if (chunk.startsWith("data")) {
            return byteRate ? int(qint64(size) * 1000 / byteRate) : 0;
        } else if (!file.seek(file.pos() + size + (size % 2))) {
            return 0;
        }
    }
    return 0;
}

QSoundEffect* QtSoundPlayer::effectFor(const QString& path)
{
    QSoundEffect*& effect = m_effects[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

void QtSoundPlayer::play(const QString& waveName, bool waitUntilDone)
{
    m_played << waveName;
    const QString path = AppDirectory::shippedFile(waveName);
    if (path.isEmpty()) {
        QApplication::beep();
        return;
    }
    QSoundEffect* effect = effectFor(path);
    effect->stop();
    effect->play();
    if (!waitUntilDone)
        return;

    const int duration = durationMs(path);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    // A little beyond the sound's own length, for the device to start.
    limit.start(duration + 150);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Waiting means what it meant for the about window: input waits too.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
