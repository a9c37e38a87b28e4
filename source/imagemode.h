#pragma once

#include <QString>

class DriveService;
class OutputMode;
class RipJob;
class ViewState;

// The Source page's "&Iso/Bin" switch: which family of sources Browse
// offers, drives and directories or CD image files. Either way the current
// source, its size and the volume estimate are discarded. While it is on,
// the Skip page is off and leaves the list bar and the Page menu.
class ImageMode
{
public:
    ImageMode(RipJob& job, ViewState& view, OutputMode& outputMode);

    // The check box's click; also how opening a script switches it off.
    void setImageMode(bool ticked);

    // After a script has been read. Scripts do not store the switch, so a
    // job saved with an image as its source would come back as a folder
    // job that cannot run: a source naming an existing ".iso" or ".bin"
    // file turns the switch on, keeping the source and the size step read,
    // and a ".bin" takes the ".cue" sheet of the same name when there is
    // one.
    void adoptScriptImage(const DriveService& drives);

    static bool namesImageFile(const QString& path);

private:
    RipJob& m_job;
    ViewState& m_view;
    OutputMode& m_outputMode;
};
