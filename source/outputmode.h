#pragma once

class RipJob;
class ViewState;

// What the answer to "Rip into?" does to the other pages for an image
// source. With archives only, every control that matters only when ZIP files
// are made is switched off and its field emptied, so that nothing the run
// would ignore is left looking chosen; into zips switches them back on.
class OutputMode
{
public:
    OutputMode(RipJob& job, ViewState& view);

    // Browse, after the question and the .cue sheet of an image.
    void apply(bool archivesOnly);
    // The "into zips" state of every page; also what a cleared "&Iso/Bin"
    // restores. The Skip page comes back only once no image is the source.
    void enableZips();

private:
    void disableZips();

    RipJob& m_job;
    ViewState& m_view;
};
