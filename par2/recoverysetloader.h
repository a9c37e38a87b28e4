#pragma once

#include "setdescription.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A recovery set as found on disk: the description its critical packets
// give and where each usable recovery slice is. Every .par2 file of the set
// in the folder is read (<base>.par2 and <base>.vol*.par2, whoever made
// them); packets of other sets and damaged packets are passed over.
struct LoadedSet
{
    struct Block
    {
        uint32_t exponent = 0;
        QString path;
        qint64 offset = 0;
    };
    QString folder;
    SetDescription description;
    std::vector<Block> blocks; // one per exponent, by exponent
    QStringList par2Files;
    QString creator;

    // The file's path in the folder; nothing when its stored name could
    // lead out of the folder.
    std::optional<QString> pathOf(const DescribedFile& file) const;
};

class RecoverySetLoader
{
public:
    static std::optional<LoadedSet> load(const QString& par2Path, QString* error);
    // "<base>" of "<base>.par2" and "<base>.volNN+MM.par2".
    static QString baseName(const QString& fileName);
};
