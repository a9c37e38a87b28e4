#pragma once

#include <memory>

class Application;
class DescriptionEditor;
class DescriptionPreview;
class DizFile;
class DizNumberingBinding;
class QtDescriptionWindow;

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

    DizFile& dizFile() { return *m_diz; }
    DescriptionEditor& editor() { return *m_editor; }
    QtDescriptionWindow& editorWindow() { return *m_window; }

private:
    Application& m_program;
    std::unique_ptr<QtDescriptionWindow> m_window;
    std::unique_ptr<DescriptionEditor> m_editor;
    std::unique_ptr<DescriptionPreview> m_preview;
    std::unique_ptr<DizFile> m_diz;
    std::unique_ptr<DizNumberingBinding> m_binding;
};
