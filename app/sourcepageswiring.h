#pragma once

class Application;

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

private:
    Application& m_program;
};
