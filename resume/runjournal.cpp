#include "resume/runjournal.h"

#include "platform/zipcrc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

const QByteArray kHeader = "zavok32 run journal 1";
// A journal is a few lines per volume; anything far larger is not one.
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
constexpr int kMaxVolumes = 32767;

QByteArray escaped(const QString& text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == '%' || u == 0x7f)
            out += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescaped(const QByteArray& bytes)
{
    static const QRegularExpression badEscape(QStringLiteral("%(?![0-9A-F]{2})"));
    const QString latin = QString::fromLatin1(bytes);
    if (latin.contains(badEscape))
        return std::nullopt;
    const QByteArray raw = QByteArray::fromPercentEncoding(bytes);
    const QString text = QString::fromUtf8(raw);
    if (text.toUtf8() != raw)
        return std::nullopt;
    return text;
}

QByteArray hex8(quint32 value)
{
    return QByteArray::number(value, 16).rightJustified(8, '0');
}

std::optional<qint64> number(const QByteArray& text, qint64 min, qint64 max)
{
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]{0,18})$"));
    if (!digits.match(QString::fromLatin1(text)).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

bool plainName(const QString& name)
{
    return !name.isEmpty() && name.size() <= 255 && !name.contains(QLatin1Char(' ')) && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\')) && name != QLatin1String(".") && name != QLatin1String("..");
}

std::optional<RunJournal> refuse(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return std::nullopt;
}

} // namespace

QString RunJournal::fileName()
{
    return QStringLiteral("zavok32-run.journal");
}

QString RunJournal::pendingFileName()
{
    return QStringLiteral("zavok32-run.journal.new");
}

bool RunJournal::isJournalFile(const QString& name)
{
    return name.compare(fileName(), Qt::CaseInsensitive) == 0 || name.compare(pendingFileName(), Qt::CaseInsensitive) == 0;
}

QString RunJournal::setting(const QString& key) const
{
    for (const auto& [k, v] : settings)
        if (k == key)
            return v;
    return {};
}

const RunJournal::Zip* RunJournal::zip(int number) const
{
    for (const Zip& z : zips)
        if (z.number == number)
            return &z;
    return nullptr;
}

QByteArray RunJournal::toBytes() const
{
    QByteArray out = kHeader + '\n';
    out += "started " + QByteArray::number(started.toSecsSinceEpoch()) + '\n';
    out += "begun " + QByteArray::number(begun.toSecsSinceEpoch()) + '\n';
    for (const auto& [key, value] : settings)
        out += "setting " + key.toUtf8() + ' ' + escaped(value) + '\n';
    out += "measure " + escaped(sourceMeasure) + '\n';
    out += QByteArray("set ") + (setUnsound && setWhole ? "unsound" : setWhole ? "whole" : "open") + '\n';
    for (const Volume& v : volumes)
        out += "volume " + escaped(v.name) + ' ' + QByteArray::number(v.size) + ' ' + QByteArray::number(v.modifiedNs) + '\n';
    for (const Zip& z : zips)
        out += "zip " + QByteArray::number(z.number) + ' ' + escaped(z.name) + ' ' + QByteArray::number(z.size) + ' '
               + hex8(z.crc) + '\n';
    out += "end " + hex8(zipcrc::of(out)) + '\n';
    return out;
}

std::optional<RunJournal> RunJournal::fromBytes(const QByteArray& bytes, QString* why)
{
    if (bytes.size() > kMaxBytes)
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal is too large"));
    if (!bytes.endsWith('\n'))
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal is cut short"));
    const qsizetype endAt = bytes.lastIndexOf("\nend ", bytes.size() - 2);
    if (endAt < 0)
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal is cut short"));
    const QByteArray body = bytes.left(endAt + 1);
    const QByteArray endLine = bytes.mid(endAt + 1, bytes.size() - endAt - 2);
    if (endLine != "end " + hex8(zipcrc::of(body)))
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal is damaged"));

    RunJournal journal;
    const QList<QByteArray> lines = body.chopped(1).split('\n');
    if (lines.value(0) != kHeader)
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal is of another kind"));
    static const QRegularExpression keyPattern(QStringLiteral("^[a-z][a-z0-9-]*$"));
    bool haveStart = false, haveBegun = false, haveMeasure = false, haveSet = false;
    const auto bad = [why](qsizetype line) { return refuse(why, QCoreApplication::translate("RunJournal", "line %1 of the journal is not understood").arg(line + 1)); };
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype space = line.indexOf(' ');
        if (space < 0)
            return bad(i);
        const QByteArray kind = line.left(space);
        const QByteArray rest = line.mid(space + 1);
        const QList<QByteArray> fields = rest.split(' ');
        if (kind == "started" && !haveStart) {
            const auto secs = number(rest, 0, 253402300799LL);
            if (!secs)
                return bad(i);
            journal.started = QDateTime::fromSecsSinceEpoch(*secs, Qt::UTC);
            haveStart = true;
        } else if (kind == "begun" && haveStart && !haveBegun) {
            const auto secs = number(rest, 0, 253402300799LL);
            if (!secs)
                return bad(i);
            journal.begun = QDateTime::fromSecsSinceEpoch(*secs, Qt::UTC);
            haveBegun = true;
        } else if (kind == "setting" && haveBegun && !haveMeasure) {
            const qsizetype cut = rest.indexOf(' ');
            const QString key = QString::fromLatin1(rest.left(cut));
            const auto value = cut < 0 ? std::nullopt : unescaped(rest.mid(cut + 1));
            if (!value || !keyPattern.match(key).hasMatch() || !journal.setting(key).isNull())
                return bad(i);
            journal.settings.append({key, *value});
        } else if (kind == "measure" && haveStart && !haveMeasure) {
            const auto value = unescaped(rest);
            if (!value)
                return bad(i);
            journal.sourceMeasure = *value;
            haveMeasure = true;
        } else if (kind == "set" && haveMeasure && !haveSet && (rest == "whole" || rest == "open" || rest == "unsound")) {
            journal.setWhole = rest != "open";
            journal.setUnsound = rest == "unsound";
            haveSet = true;
        } else if (kind == "volume" && haveSet && journal.zips.isEmpty() && fields.size() == 3) {
            const auto name = unescaped(fields[0]);
            const auto size = number(fields[1], 0, std::numeric_limits<qint64>::max());
            const auto time = number(fields[2], 0, std::numeric_limits<qint64>::max());
            if (!name || !plainName(*name) || !size || !time || journal.volumes.size() >= kMaxVolumes)
                return bad(i);
            journal.volumes.append({*name, *size, *time});
        } else if (kind == "zip" && haveSet && journal.setWhole && fields.size() == 4) {
            const auto n = number(fields[0], 1, journal.volumes.size());
            const auto name = unescaped(fields[1]);
            const auto size = number(fields[2], 0, std::numeric_limits<qint64>::max());
            bool crcOk = fields[3].size() == 8;
            const quint32 crc = fields[3].toUInt(&crcOk, 16);
            if (!n || !name || !plainName(*name) || !size || !crcOk || fields[3] != hex8(crc) || journal.zip(int(*n)))
                return bad(i);
            journal.zips.append({int(*n), *name, *size, crc});
        } else {
            return bad(i);
        }
    }
    if (!haveSet)
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal is incomplete"));
    if (!journal.setWhole && !journal.volumes.isEmpty())
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal lists the volumes of an unfinished set"));
    return journal;
}

bool RunJournal::write(const QString& folderHost, QString* error) const
{
    const QDir dir(folderHost);
    const QString pending = dir.filePath(pendingFileName());
    QFile file(pending);
    const QByteArray bytes = toBytes();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.close();
        QFile::remove(pending);
        return false;
    }
    file.close();
    if (::rename(QFile::encodeName(pending).constData(), QFile::encodeName(dir.filePath(fileName())).constData()) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(pending);
        return false;
    }
    return true;
}

std::optional<RunJournal> RunJournal::read(const QString& folderHost, QString* why)
{
    if (why)
        why->clear();
    QFile file(QDir(folderHost).filePath(fileName()));
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal cannot be read: ") + file.errorString());
    if (file.size() > kMaxBytes)
        return refuse(why, QCoreApplication::translate("RunJournal", "the journal is too large"));
    return fromBytes(file.readAll(), why);
}

void RunJournal::remove(const QString& folderHost)
{
    const QDir dir(folderHost);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (isJournalFile(name))
            QFile::remove(dir.filePath(name));
}
