#pragma once

class Application;

// Connects the Diz page and the description editor to the logic that serves
// them: Browse, Create, Edit, Test, the numbering options and the preview.
// Made once, after the window and the start-up sequence, and lives as long
// as the program.
class DizPageWiring
{
public:
    explicit DizPageWiring(Application& program);
    ~DizPageWiring();

    DizPageWiring(const DizPageWiring&) = delete;
    DizPageWiring& operator=(const DizPageWiring&) = delete;

private:
    Application& m_program;
};
