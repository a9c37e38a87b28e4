#pragma once

class Application;

// Connects the Nfo page, the ZIP comment items of the Options menu and the
// Zip page to the logic that serves them: information and extra files, the
// comment switch, the size bar, the ZIP folder and its free space.
// Made once, after the window and the start-up sequence, and lives as long
// as the program.
class ContentsPagesWiring
{
public:
    explicit ContentsPagesWiring(Application& program);
    ~ContentsPagesWiring();

    ContentsPagesWiring(const ContentsPagesWiring&) = delete;
    ContentsPagesWiring& operator=(const ContentsPagesWiring&) = delete;

private:
    Application& m_program;
};
