#pragma once

#include "entrysource.h"

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

    bool next(SourceEntry& entry) override;
    QString error() const override { return m_error; }

private:
    std::vector<Item> m_items;
    std::size_t m_position = 0;
    QString m_error;
};
