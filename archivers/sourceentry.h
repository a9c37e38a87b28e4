#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// One thing to store: a file or a directory, with the name it gets inside
// the archive (components separated by '\', as DOS and Windows readers expect).
struct SourceEntry {
    QString hostPath;
    QString storedName;
    bool isDirectory = false;
    uint64_t size = 0;
    QDateTime modified;
    uint32_t attributes = 0; // Windows attribute bits

    static constexpr uint32_t ReadOnly = 0x01;
    static constexpr uint32_t Directory = 0x10;
    static constexpr uint32_t Archive = 0x20;
};
