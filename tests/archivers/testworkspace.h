#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh application directory with drive c: mapped, a source folder to
// archive and the run's work folder c:\Zavok001; plus ways to run the
// archivers and the extractors without a shell.
class TestWorkspace {
public:
    struct Result {
        bool finished = false;
        int exitCode = -1;
        QString out;
        QString err;
        bool ok() const { return finished && exitCode == 0; }
    };

    TestWorkspace();

    QString home() const { return m_dir.path() + QStringLiteral("/home"); }
    QString source() const { return m_dir.path() + QStringLiteral("/source"); }
    QString work() const { return home() + QStringLiteral("/drive_c/Zavok001"); }
    QString scratch(const QString& name) const;

    void writeFile(const QString& relative, const QByteArray& bytes) const;
    void writeRandomFile(const QString& relative, qint64 size, quint32 seed) const;
    // Lines of words, as manuals and read-me files are: packs to about a third.
    static QByteArray proseLike(qint64 size, quint32 seed);
    void makeDir(const QString& relative) const;

    // Where wrar and wace were built.
    static QString binaryDir();
    // Runs build/bin/<program> in the source folder.
    Result archiver(const QString& program, const QStringList& args) const;
    static Result run(const QString& program, const QStringList& args, const QString& cwd,
                      int timeoutMs = 60000);

    // The work folder's files, sorted by name.
    QStringList volumes() const;
    static bool sameTree(const QString& a, const QString& b, QString* difference);

private:
    QTemporaryDir m_dir;
};
