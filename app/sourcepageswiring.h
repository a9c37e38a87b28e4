#pragma once

#include <memory>

class Application;
class ImageMode;
class OutputMode;
class RipIntoQuestion;
class SkipList;
class SourceBrowse;
class WorkDrive;

// Connects the Source and Skip pages to the logic that serves them: Browse,
// the image switch and its question, the output mode of an image source, the
// work drive, the skip list, and the live check of every folder picker.
// Made once, after the window and the start-up sequence, and lives as long
// as the program.
class SourcePagesWiring
{
public:
    explicit SourcePagesWiring(Application& program);
    ~SourcePagesWiring();

    SourcePagesWiring(const SourcePagesWiring&) = delete;
    SourcePagesWiring& operator=(const SourcePagesWiring&) = delete;

    WorkDrive& workDrive() { return *m_workDrive; }
    SourceBrowse& browse() { return *m_browse; }
    ImageMode& imageMode() { return *m_imageMode; }
    SkipList& skipList() { return *m_skipList; }

private:
    void connectSourcePage();
    void connectSkipPage();
    void connectScriptsAndStartup();

    Application& m_program;
    std::unique_ptr<RipIntoQuestion> m_ownQuestion;
    std::unique_ptr<WorkDrive> m_workDrive;
    std::unique_ptr<OutputMode> m_outputMode;
    std::unique_ptr<ImageMode> m_imageMode;
    std::unique_ptr<SourceBrowse> m_browse;
    std::unique_ptr<SkipList> m_skipList;
};
