#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>

// The volume files on disk: one open at a time, written sequentially, with
// headers rewritten in place once their data has passed.
class VolumeWriter {
public:
    explicit VolumeWriter(std::function<QString(int)> pathForIndex);
    ~VolumeWriter();

    bool open(int index);
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    bool rewrite(qint64 offset, const QByteArray& bytes);
    bool close();
    // Deletes every volume this writer created; used when a run fails part-way.
    void removeAll();

    qint64 position() const { return m_position; }
    QString currentPath() const { return m_file.fileName(); }
    QStringList paths() const { return m_paths; }
    QString error() const { return m_error; }

private:
    bool fail(const QString& what);

    std::function<QString(int)> m_pathForIndex;
    QFile m_file;
    qint64 m_position = 0;
    QStringList m_paths;
    QString m_error;
};
