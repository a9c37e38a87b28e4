#pragma once

#include <QIODevice>
#include <QString>
#include <memory>

// Where the volumes of a set are read from: files beside the first volume,
// entries inside ZIPs, bytes in memory. A reader asks for the volumes in
// order, each once, and reads each from its start to its end; the device
// need not seek.
class VolumeOpener {
public:
    struct Opened {
        std::unique_ptr<QIODevice> device; // open for reading; null when it could not be opened
        bool missing = false;              // ... because there is no such volume
        QString error;                     // ... otherwise, why
    };

    virtual ~VolumeOpener() = default;
    // The volume's name for messages; index 0 is the first volume.
    virtual QString name(int index) const = 0;
    virtual Opened open(int index) = 0;
};
