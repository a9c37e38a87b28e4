#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

enum class SourceKind { WholeDrive, Directory, IsoImage, BinCueImage };
enum class Archiver { Rar, Ace };
// The Nfo page's extra options; at start neither is marked.
enum class ExtraChoice { Neither, File, Directory };

// The settings of the one packaging job the main window shows. Every page is
// a view of part of it: a write through a setter is announced by changed(),
// to which the pages bind, so a field and its page never disagree.
class RipJob : public QObject
{
    Q_OBJECT
public:
    enum class Field {
        SourcePath, SkipEntries, DizPath, AutoNumbering, DizColumn, DizLine, NfoPath,
        FirstZipOnly, ExtraChoice, ExtraPath, ZipDirectory, ZipBaseName, ZipBaseNameBound,
        ArchiveSizeStep, ArchiveCompression, ZipCompression, ZipCommentPath, ImageMode,
        CuePath, Archiver, WorkDrive, ArchivesOnly, UseZipComment, SourceMegabytes,
        SourceWholeMegabytes, ReadyToRun, ScriptPath,
    };
    Q_ENUM(Field)

    static constexpr int kMaxSizeStep = 199;
    static constexpr int kLongNameBound = 20;  // one archive, no volume number
    static constexpr int kShortNameBound = 6;  // two-digit volume numbers follow
    static constexpr int kThreeDigitNameBound = 5;

    explicit RipJob(QObject* parent = nullptr);

    QString sourcePath() const { return m_sourcePath; }
    void setSourcePath(const QString& value);

    // Entries each followed by CR LF.
    QString skipEntries() const { return m_skipEntries; }
    void setSkipEntries(const QString& value);
    QStringList skipEntryList() const;

    QString dizPath() const { return m_dizPath; }
    void setDizPath(const QString& value);
    bool autoNumbering() const { return m_autoNumbering; }
    void setAutoNumbering(bool value);
    QString dizColumn() const { return m_dizColumn; }
    void setDizColumn(const QString& value);
    QString dizLine() const { return m_dizLine; }
    void setDizLine(const QString& value);

    QString nfoPath() const { return m_nfoPath; }
    void setNfoPath(const QString& value);
    qint16 firstZipOnly() const { return m_firstZipOnly; }
    bool setFirstZipOnly(int value); // 0 or 1

    ExtraChoice extraChoice() const { return m_extraChoice; }
    bool extraIsFile() const { return m_extraChoice == ExtraChoice::File; }
    // Marking an option empties extraPath, as a click on it does.
    void chooseExtra(ExtraChoice choice);
    QString extraPath() const { return m_extraPath; }
    void setExtraPath(const QString& value);

    QString zipDirectory() const { return m_zipDirectory; }
    void setZipDirectory(const QString& value);
    // The base name never exceeds its bound; lowering the bound cuts it.
    QString zipBaseName() const { return m_zipBaseName; }
    void setZipBaseName(const QString& value);
    int zipBaseNameBound() const { return m_zipBaseNameBound; }
    void setZipBaseNameBound(int bound);

    qint16 archiveSizeStep() const { return m_archiveSizeStep; }
    bool setArchiveSizeStep(int value); // 0..199
    qint16 archiveCompression() const { return m_archiveCompression; }
    bool setArchiveCompression(int value); // -1 (nothing chosen) or 0..5
    qint16 zipCompression() const { return m_zipCompression; }
    bool setZipCompression(int value);

    QString zipCommentPath() const { return m_zipCommentPath; }
    void setZipCommentPath(const QString& value);

    bool imageMode() const { return m_imageMode; }
    void setImageMode(bool value);
    QString cuePath() const { return m_cuePath; }
    void setCuePath(const QString& value);
    Archiver archiver() const { return m_archiver; }
    void setArchiver(Archiver value);
    QChar workDrive() const { return m_workDrive; }
    void setWorkDrive(QChar value);
    bool archivesOnly() const { return m_archivesOnly; }
    void setArchivesOnly(bool value);
    bool useZipComment() const { return m_useZipComment; }
    void setUseZipComment(bool value);

    float sourceMegabytes() const { return m_sourceMegabytes; }
    void setSourceMegabytes(float value);
    qint16 sourceWholeMegabytes() const { return m_sourceWholeMegabytes; }
    void setSourceWholeMegabytes(qint16 value);
    bool readyToRun() const { return m_readyToRun; }
    void setReadyToRun(bool value);
    QString scriptPath() const { return m_scriptPath; }
    void setScriptPath(const QString& value);

    SourceKind sourceKind() const;
    static SourceKind sourceKindOf(bool imageMode, const QString& sourcePath);
    static QString sourceKindText(SourceKind kind);

    static QStringList compressionItems();

signals:
    void changed(RipJob::Field field);

private:
    template <typename T>
    void assign(T& member, const T& value, Field field);

    QString m_sourcePath;
    QString m_skipEntries;
    QString m_dizPath;
    bool m_autoNumbering = false;
    QString m_dizColumn;
    QString m_dizLine;
    QString m_nfoPath;
    qint16 m_firstZipOnly = 0;
    ExtraChoice m_extraChoice = ExtraChoice::Neither;
    QString m_extraPath;
    QString m_zipDirectory;
    QString m_zipBaseName;
    int m_zipBaseNameBound = kShortNameBound;
    qint16 m_archiveSizeStep = 3;
    qint16 m_archiveCompression = 3;
    qint16 m_zipCompression = 3;
    QString m_zipCommentPath;
    bool m_imageMode = false;
    QString m_cuePath;
    Archiver m_archiver = Archiver::Rar;
    QChar m_workDrive = QLatin1Char('c');
    bool m_archivesOnly = false;
    bool m_useZipComment = false;
    float m_sourceMegabytes = 0.0f;
    qint16 m_sourceWholeMegabytes = 0;
    bool m_readyToRun = false;
    QString m_scriptPath;
};
