#include "recoveryplan.h"

#include "packetformat.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

int digits(uint32_t v)
{
    int n = 1;
    for (; v >= 10; v /= 10)
        ++n;
    return n;
}

} // namespace

QString RecoveryPlan::volumeName(const QString& base, uint32_t first, uint32_t count, int firstDigits, int countDigits)
{
    return QStringLiteral("%1.vol%2+%3.par2")
        .arg(base)
        .arg(first, firstDigits, 10, QLatin1Char('0'))
        .arg(count, countDigits, 10, QLatin1Char('0'));
}

std::optional<RecoveryPlan> RecoveryPlan::make(const std::vector<qint64>& sizes, const std::vector<QByteArray>& names,
                                               int rebuildableFiles, int slicesPerLargestFile, const QString& base,
                                               qint64 creatorPacketSize, QString* error)
{
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (sizes.empty())
        return fail(QCoreApplication::translate("RecoveryPlan", "There are no files to protect."));
    const qint64 largest = *std::max_element(sizes.begin(), sizes.end());
    if (largest <= 0)
        return fail(QCoreApplication::translate("RecoveryPlan", "The files are empty: there is nothing to protect."));
    if (rebuildableFiles < 1 || slicesPerLargestFile < 1)
        return fail(QCoreApplication::translate("RecoveryPlan", "The number of files to rebuild must be at least 1."));

    RecoveryPlan plan;
    const qint64 perSlice = (largest + slicesPerLargestFile - 1) / slicesPerLargestFile;
    plan.sliceSize = uint64_t((perSlice + 63) / 64 * 64);
    uint64_t inputSlices = 0;
    plan.indexSize = PacketFormat::HeaderSize + 12 + 16 * qint64(sizes.size()) + creatorPacketSize;
    for (size_t i = 0; i < sizes.size(); ++i) {
        const uint64_t n = (uint64_t(sizes[i]) + plan.sliceSize - 1) / plan.sliceSize;
        plan.slicesPerFile = std::max(plan.slicesPerFile, uint32_t(n));
        inputSlices += n;
        plan.indexSize += PacketFormat::fileDescriptionSize(names[i]) + PacketFormat::sliceChecksumSize(n);
    }
    if (inputSlices > PacketFormat::MaxInputSlices)
        return fail(QCoreApplication::translate("RecoveryPlan", "Too many files for one recovery set (at most %1 slices).")
                        .arg(PacketFormat::MaxInputSlices));
    plan.inputSlices = uint32_t(inputSlices);
    const uint64_t recovery = uint64_t(std::min<qint64>(rebuildableFiles, qint64(sizes.size()))) * plan.slicesPerFile;
    if (recovery >= 65535)
        return fail(QCoreApplication::translate("RecoveryPlan", "Too many recovery slices for one recovery set."));
    plan.recoverySlices = uint32_t(recovery);

    // As many slices in a recovery file as fit beside a copy of the index
    // within the largest file's size; without the copy when even one slice
    // does not fit beside it (the index file always has it).
    const qint64 packet = PacketFormat::RecoveryHeaderSize + qint64(plan.sliceSize);
    qint64 perVolume = (largest - plan.indexSize) / packet;
    if (perVolume < 1) {
        plan.indexInVolumes = false;
        perVolume = std::max<qint64>(1, largest / packet);
    }
    std::vector<std::pair<uint32_t, uint32_t>> ranges;
    for (uint32_t first = 0; first < plan.recoverySlices; first += uint32_t(perVolume))
        ranges.emplace_back(first, std::min<uint32_t>(uint32_t(perVolume), plan.recoverySlices - first));
    const int firstDigits = std::max(2, digits(ranges.back().first));
    const int countDigits = std::max(2, digits(uint32_t(perVolume)));
    for (const auto& [first, count] : ranges) {
        Volume v;
        v.firstExponent = first;
        v.count = count;
        v.name = volumeName(base, first, count, firstDigits, countDigits);
        v.size = qint64(count) * packet + (plan.indexInVolumes ? plan.indexSize : 0);
        plan.volumes.push_back(v);
    }
    return plan;
}
