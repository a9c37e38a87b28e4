#include "recoverysetrepairer.h"

#include "md5hash.h"
#include "recoverymatrix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <memory>

namespace {

const char* const TemporarySuffix = ".repairing";

using State = RecoverySetVerifier::FileCheck::State;

QStringList lostNames(const RecoverySetVerifier::Result& check)
{
    return check.names(State::Missing) + check.names(State::Damaged);
}

bool hashMatches(const QString& path, const Md5Digest& expected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Md5Hash hash;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        if (chunk.isEmpty())
            return false;
        hash.add(chunk.constData(), size_t(chunk.size()));
    }
    return hash.digest() == expected;
}

} // namespace

QString RecoverySetRepairer::damagedName(const QString& path)
{
    QString name = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged.%1").arg(n);
    return name;
}

RecoverySetRepairer::Result RecoverySetRepairer::repair(const QString& par2Path, const Options& options)
{
    Result result;
    RecoverySetVerifier::Options verifyOptions;
    verifyOptions.threads = options.engine.threads;
    verifyOptions.cancel = options.engine.cancel;
    result.before = RecoverySetVerifier::verify(par2Path, verifyOptions);
    const RecoverySetVerifier::Result& check = result.before;
    if (!check.ok) {
        result.error = check.error;
        return result;
    }
    if (check.complete()) {
        result.ok = result.repairable = true;
        return result;
    }
    const LoadedSet& set = check.set;
    const auto& files = set.description.files;
    const qint64 sliceSize = qint64(set.description.sliceSize);

    // Columns: every input slice of the set, numbered through the files.
    std::vector<int> firstColumn;
    int columns = 0;
    for (const DescribedFile& f : files) {
        firstColumn.push_back(columns);
        columns += int(f.sliceCount(uint64_t(sliceSize)));
    }
    const std::vector<uint16_t> logs = RecoveryMatrix::inputLogs(uint32_t(columns));
    struct Lost
    {
        size_t file;
        qint64 slice;
    };
    std::vector<Lost> lost;
    std::vector<uint16_t> lostLogs;
    for (size_t f = 0; f < files.size(); ++f)
        for (qint64 s = 0; s < qint64(check.files[f].good.size()); ++s)
            if (!check.files[f].good[size_t(s)]) {
                lost.push_back({f, s});
                lostLogs.push_back(logs[size_t(firstColumn[f] + s)]);
            }
    std::vector<uint32_t> exponents;
    for (const LoadedSet::Block& b : set.blocks)
        exponents.push_back(b.exponent);
    const auto solution = RecoveryMatrix::solve(exponents, lostLogs);
    if (!solution) {
        result.lost = lostNames(check);
        result.error = QCoreApplication::translate("RecoverySetRepairer", "The recovery data is not enough: %1 slices are lost and %2 recovery slices are there. "
                                      "Still missing or damaged: %3.")
                           .arg(lost.size())
                           .arg(set.blocks.size())
                           .arg(result.lost.join(QStringLiteral(", ")));
        return result;
    }
    result.repairable = true;

    // Sources: the sound slices, then the recovery slices chosen; output j
    // is lost slice j once the transform has solved for it.
    const int m = int(lost.size());
    std::vector<SliceSource> sources;
    for (size_t f = 0; f < files.size(); ++f) {
        const auto& c = check.files[f];
        if (c.state == State::Missing)
            continue;
        SliceSource s;
        s.path = c.path;
        s.length = std::min<qint64>(c.size, qint64(files[f].length));
        for (qint64 k = 0; k < qint64(c.good.size()); ++k)
            s.columns.push_back(c.good[size_t(k)] ? firstColumn[f] + int(k) : -1);
        sources.push_back(std::move(s));
    }
    for (int r = 0; r < m; ++r) {
        const LoadedSet::Block& b = set.blocks[size_t(solution->rows[size_t(r)])];
        SliceSource s;
        s.path = b.path;
        s.offset = b.offset;
        s.length = sliceSize;
        s.columns = {columns + r};
        sources.push_back(std::move(s));
    }
    const auto coefficient = [&](int output, int column) -> uint16_t {
        if (column >= columns)
            return column - columns == output ? 1 : 0;
        const uint32_t e = exponents[size_t(solution->rows[size_t(output)])];
        return RecoveryMatrix::coefficient(logs[size_t(column)], e);
    };

    // The rebuilt files, under temporary names.
    std::map<size_t, std::unique_ptr<QFile>> rebuilt;
    const auto discard = [&] {
        for (auto& [f, file] : rebuilt)
            file->remove();
    };
    for (const Lost& l : lost)
        if (!rebuilt.count(l.file)) {
            auto file = std::make_unique<QFile>(check.files[l.file].path + QLatin1String(TemporarySuffix));
            if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate)) {
                result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be created: %2").arg(QDir::toNativeSeparators(file->fileName()), file->errorString());
                discard();
                return result;
            }
            rebuilt.emplace(l.file, std::move(file));
        }
    for (size_t f = 0; f < files.size(); ++f)
        if (check.files[f].state == State::Damaged && !rebuilt.count(f)) {
            // Every slice sound, only the length or what follows is wrong.
            auto file = std::make_unique<QFile>(check.files[f].path + QLatin1String(TemporarySuffix));
            if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate)) {
                result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be created: %2").arg(QDir::toNativeSeparators(file->fileName()), file->errorString());
                discard();
                return result;
            }
            rebuilt.emplace(f, std::move(file));
        }
    const SliceCombiner::Sink sink = [&](int output, qint64 at, const uint8_t* data, qint64 bytes, QString* error) {
        const Lost& l = lost[size_t(output)];
        const qint64 start = l.slice * sliceSize + at;
        const qint64 keep = std::min(bytes, qint64(files[l.file].length) - start);
        QFile& file = *rebuilt[l.file];
        if (keep <= 0 || (file.seek(start) && file.write(reinterpret_cast<const char*>(data), keep) == keep))
            return true;
        *error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be written: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        return false;
    };
    SliceCombiner combiner(sliceSize, m, coefficient, options.engine);
    combiner.setTransform(solution->inverse);
    if (m > 0 && !combiner.run(sources, {}, sink, &result.error)) {
        discard();
        return result;
    }

    // The sound slices of damaged files are copied across; then each file
    // is checked whole before it takes its name.
    for (auto& [f, file] : rebuilt) {
        const auto& c = check.files[f];
        const qint64 length = qint64(files[f].length);
        if (c.state == State::Damaged) {
            QFile damaged(c.path);
            if (!damaged.open(QIODevice::ReadOnly)) {
                result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be read: %2").arg(QDir::toNativeSeparators(c.path), damaged.errorString());
                discard();
                return result;
            }
            for (qint64 s = 0; s < qint64(c.good.size()); ++s) {
                if (!c.good[size_t(s)])
                    continue;
                const qint64 start = s * sliceSize;
                const qint64 bytes = std::min(sliceSize, length - start);
                damaged.seek(start);
                const QByteArray data = damaged.read(bytes);
                if (data.size() != bytes || !file->seek(start) || file->write(data) != bytes) {
                    result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be rebuilt: %2").arg(QDir::toNativeSeparators(c.path), file->errorString());
                    discard();
                    return result;
                }
            }
        }
        if (!file->resize(length) || !file->flush()) {
            result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be written: %2").arg(QDir::toNativeSeparators(file->fileName()), file->errorString());
            discard();
            return result;
        }
        file->close();
        if (!hashMatches(file->fileName(), files[f].hash)) {
            result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 was rebuilt but does not match its checksum; nothing was changed.").arg(c.name);
            discard();
            return result;
        }
    }
    for (auto& [f, file] : rebuilt) {
        const auto& c = check.files[f];
        if (c.state == State::Damaged) {
            const QString aside = damagedName(c.path);
            if (!QFile::rename(c.path, aside)) {
                result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be moved aside to %2.").arg(QDir::toNativeSeparators(c.path), QDir::toNativeSeparators(aside));
                discard();
                return result;
            }
            result.keptDamaged.append(aside);
        }
        if (!file->rename(c.path)) {
            result.error = QCoreApplication::translate("RecoverySetRepairer", "%1 could not be put in place: %2").arg(QDir::toNativeSeparators(c.path), file->errorString());
            return result;
        }
        result.repaired.append(c.name);
    }
    result.ok = true;
    return result;
}
