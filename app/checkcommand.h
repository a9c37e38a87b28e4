#pragma once

#include <QString>
#include <functional>

// "zavok32 --check PATH": checks the set that PATH names (a folder of ZIPs,
// a set's .sfv or .sha256, or any ZIP of a set) without a window and
// without writing anything. One line per ZIP on standard output, then a
// summary per set; the status tells the caller the verdict.
class CheckCommand
{
public:
    static constexpr int kWholeAndSound = 0;
    static constexpr int kNotWholeOrSound = 1;
    static constexpr int kNoSet = 2;

    using Writer = std::function<void(const QString& line)>;
    // PATH is a path of this computer or a DOS path through the drive map.
    // Lines go to standard output and errors to standard error unless a
    // caller gives its own writers.
    static int run(const QString& path, const Writer& out = {}, const Writer& err = {});
    // "zavok32 --repair PATH": the same set, its lost ZIPs rebuilt from its
    // recovery files first; 0 when the set is whole and sound afterwards,
    // 1 when it is not (the recovery data was not enough), 2 as above.
    static int repair(const QString& path, const Writer& out = {}, const Writer& err = {});
};
