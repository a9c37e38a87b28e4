#include "job/ripjob.h"

#include <QCoreApplication>

RipJob::RipJob(QObject* parent)
    : QObject(parent)
{
}

template <typename T>
void RipJob::assign(T& member, const T& value, Field field)
{
    if (member == value)
        return;
    member = value;
    emit changed(field);
}

void RipJob::setSourcePath(const QString& value) { assign(m_sourcePath, value, Field::SourcePath); }
void RipJob::setSkipEntries(const QString& value) { assign(m_skipEntries, value, Field::SkipEntries); }

QStringList RipJob::skipEntryList() const
{
    QStringList entries = m_skipEntries.split(QStringLiteral("\r\n"));
    if (!entries.isEmpty() && entries.last().isEmpty())
        entries.removeLast();
    return entries;
}

void RipJob::setDizPath(const QString& value) { assign(m_dizPath, value, Field::DizPath); }
void RipJob::setAutoNumbering(bool value) { assign(m_autoNumbering, value, Field::AutoNumbering); }
void RipJob::setDizColumn(const QString& value) { assign(m_dizColumn, value, Field::DizColumn); }
void RipJob::setDizLine(const QString& value) { assign(m_dizLine, value, Field::DizLine); }
void RipJob::setNfoPath(const QString& value) { assign(m_nfoPath, value, Field::NfoPath); }

bool RipJob::setFirstZipOnly(int value)
{
    if (value != 0 && value != 1)
        return false;
    assign(m_firstZipOnly, qint16(value), Field::FirstZipOnly);
    return true;
}

void RipJob::chooseExtra(ExtraChoice choice)
{
    assign(m_extraChoice, choice, Field::ExtraChoice);
    if (choice != ExtraChoice::Neither)
        setExtraPath(QString());
}

void RipJob::setExtraPath(const QString& value) { assign(m_extraPath, value, Field::ExtraPath); }
void RipJob::setZipDirectory(const QString& value) { assign(m_zipDirectory, value, Field::ZipDirectory); }

void RipJob::setZipBaseName(const QString& value)
{
    assign(m_zipBaseName, value.left(m_zipBaseNameBound), Field::ZipBaseName);
}

void RipJob::setZipBaseNameBound(int bound)
{
    assign(m_zipBaseNameBound, bound, Field::ZipBaseNameBound);
    if (m_zipBaseName.size() > bound)
        assign(m_zipBaseName, m_zipBaseName.left(bound), Field::ZipBaseName);
}

bool RipJob::setArchiveSizeStep(int value)
{
    if (value < 0 || value > kMaxSizeStep)
        return false;
    assign(m_archiveSizeStep, qint16(value), Field::ArchiveSizeStep);
    return true;
}

bool RipJob::setArchiveCompression(int value)
{
    if (value < -1 || value > 5)
        return false;
    assign(m_archiveCompression, qint16(value), Field::ArchiveCompression);
    return true;
}

bool RipJob::setZipCompression(int value)
{
    if (value < -1 || value > 5)
        return false;
    assign(m_zipCompression, qint16(value), Field::ZipCompression);
    return true;
}

void RipJob::setZipCommentPath(const QString& value) { assign(m_zipCommentPath, value, Field::ZipCommentPath); }
void RipJob::setImageMode(bool value) { assign(m_imageMode, value, Field::ImageMode); }
void RipJob::setCuePath(const QString& value) { assign(m_cuePath, value, Field::CuePath); }
void RipJob::setArchiver(Archiver value) { assign(m_archiver, value, Field::Archiver); }
void RipJob::setWorkDrive(QChar value) { assign(m_workDrive, value.toLower(), Field::WorkDrive); }
void RipJob::setArchivesOnly(bool value) { assign(m_archivesOnly, value, Field::ArchivesOnly); }
void RipJob::setUseZipComment(bool value) { assign(m_useZipComment, value, Field::UseZipComment); }
void RipJob::setSourceMegabytes(float value) { assign(m_sourceMegabytes, value, Field::SourceMegabytes); }
void RipJob::setSourceWholeMegabytes(qint16 value) { assign(m_sourceWholeMegabytes, value, Field::SourceWholeMegabytes); }
void RipJob::setReadyToRun(bool value) { assign(m_readyToRun, value, Field::ReadyToRun); }
void RipJob::setScriptPath(const QString& value) { assign(m_scriptPath, value, Field::ScriptPath); }

SourceKind RipJob::sourceKind() const
{
    return sourceKindOf(m_imageMode, m_sourcePath);
}

SourceKind RipJob::sourceKindOf(bool imageMode, const QString& sourcePath)
{
    if (imageMode)
        return sourcePath.right(4) == QLatin1String(".iso") ? SourceKind::IsoImage : SourceKind::BinCueImage;
    if (sourcePath.size() < 4 && sourcePath.size() >= 2 && sourcePath[1] == QLatin1Char(':'))
        return SourceKind::WholeDrive;
    return SourceKind::Directory;
}

QString RipJob::sourceKindText(SourceKind kind)
{
    switch (kind) {
    case SourceKind::WholeDrive: return QCoreApplication::translate("RipJob", "Whole drive");
    case SourceKind::Directory: return QCoreApplication::translate("RipJob", "Directory");
    case SourceKind::IsoImage: return QCoreApplication::translate("RipJob", "CD image ISO file");
    case SourceKind::BinCueImage: return QCoreApplication::translate("RipJob", "CD image Bin/Cue files");
    }
    return {};
}

QStringList RipJob::compressionItems()
{
    return {QCoreApplication::translate("RipJob", "Store"),  QCoreApplication::translate("RipJob", "Fastest"),
            QCoreApplication::translate("RipJob", "Fast"),   QCoreApplication::translate("RipJob", "Normal"),
            QCoreApplication::translate("RipJob", "Good"),   QCoreApplication::translate("RipJob", "Maximum")};
}
