#pragma once

#include "setreader.h"

// Reads the volumes of a RAR 1.5-4.x set: the signature and archive header
// of each, file headers and the parts of files, the end block that says
// whether another volume follows and which volume this one is; other blocks
// (comments, recovery records, service headers) are passed over by their
// sizes. Stored files are checked; files packed by RAR's methods are not
// unpacked.
class RarSetReader : public SetReader {
public:
    using SetReader::SetReader;

protected:
    bool readVolumeStart() override;
    Next nextHeader(Part& part, bool* setGoesOn) override;
    bool closeVolumeInsideFile() override;

private:
    bool readBlock(QByteArray& block);
    Next fileHeader(const QByteArray& block, Part& part);
    Next endBlock(const QByteArray& block, bool* setGoesOn);
};
