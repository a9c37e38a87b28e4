#pragma once

#include <QObject>
#include <memory>

class Application;
class NfoFiles;
class ZipComment;
class ZipStorage;

// Connects the Nfo page, the ZIP comment items of the Options menu and the
// Zip page to the logic that serves them: information and extra files, the
// comment switch, the ZIP folder and its free space. (The size bar's rules
// are wired with the job, as a script and the image switch move it too.)
// Made once, after the window and the start-up sequence, and lives as long
// as the program.
class ContentsPagesWiring
{
public:
    explicit ContentsPagesWiring(Application& program);
    ~ContentsPagesWiring();

    ContentsPagesWiring(const ContentsPagesWiring&) = delete;
    ContentsPagesWiring& operator=(const ContentsPagesWiring&) = delete;

    NfoFiles& nfoFiles() { return *m_nfoFiles; }
    ZipComment& zipComment() { return *m_zipComment; }
    ZipStorage& zipStorage() { return *m_zipStorage; }

private:
    Application& m_program;
    std::unique_ptr<NfoFiles> m_nfoFiles;
    std::unique_ptr<ZipComment> m_zipComment;
    std::unique_ptr<ZipStorage> m_zipStorage;
    // The receiver of every connection made here: they end with the wiring.
    QObject m_receiver;
};
