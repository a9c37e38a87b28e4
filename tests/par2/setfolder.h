#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <random>

// A folder of numbered files like the ZIPs of a set: all of one size but the
// last, filled with random bytes.
struct SetFolder
{
    QTemporaryDir dir;
    QStringList names;

    SetFolder(int files, qint64 size, unsigned seed = 1)
    {
        std::mt19937 random(seed);
        for (int i = 1; i <= files; ++i) {
            const QString name = QStringLiteral("set%1.zip").arg(i, files > 99 ? 3 : 2, 10, QLatin1Char('0'));
            QByteArray bytes(i == files ? size / 3 + 1 : size, Qt::Uninitialized);
            for (char& c : bytes)
                c = char(random());
            write(name, bytes);
            names.append(name);
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
    // Every file of the folder with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> all;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            all.insert(name, read(name));
        return all;
    }
};
