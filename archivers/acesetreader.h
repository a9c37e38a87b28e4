#pragma once

#include "setreader.h"

// Reads the volumes of an ACE 1.0 set (and the ACE 2.0 headers around it):
// the archive header of each, with its volume number, and the file headers
// and parts of files. A volume leads on to the next only through a file that
// goes on there. Stored and LZ77-packed files are checked; files packed by
// ACE 2.0's method, encrypted or in a solid archive are not unpacked.
class AceSetReader : public SetReader {
public:
    using SetReader::SetReader;

protected:
    bool readVolumeStart() override;
    Next nextHeader(Part& part, bool* setGoesOn) override;

private:
    bool readBlock(QByteArray& body);
    Next fileHeader(const QByteArray& body, Part& part);

    bool m_solid = false;
};
