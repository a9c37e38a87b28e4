#pragma once

#include "entrysource.h"

#include "platform/uniquenames.h"

#include <functional>
#include <optional>
#include <vector>

// Files named one by one (the list file of an image source), each with the
// name it is stored under.
class ListedFiles : public EntrySource {
public:
    struct Item {
        QString hostPath;
        QString storedName;
    };

    explicit ListedFiles(std::vector<Item> items);

    // A host path for a line's path, empty when it cannot be found.
    using Resolver = std::function<std::optional<QString>(const QString& path)>;
    // The files of a list file (@file), one per line; blank lines are left
    // out. A file is stored under the path its line gives (without the
    // drive), or under its file name alone with -ep (namesOnly). A line
    // that does not resolve fails the whole list, with `error` naming it.
    static std::optional<std::vector<Item>> fromLines(const QStringList& lines, bool namesOnly,
                                                      const Resolver& resolve, QString* error);

    bool next(SourceEntry& entry) override;
    QString error() const override { return m_error; }

private:
    std::vector<Item> m_items;
    UniqueNames m_names;
    std::size_t m_position = 0;
    QString m_error;
};
