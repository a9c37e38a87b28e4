#include "app/dizpagewiring.h"

#include "app/application.h"
#include "contents/descriptioneditor.h"
#include "contents/dizfile.h"
#include "contents/diznumberingbinding.h"
#include "pipeline/descriptionpreview.h"
#include "pipeline/diznumbering.h"
#include "pipeline/riprun.h"
#include "pipeline/standardrunsteps.h"
#include "ui/dizpage.h"
#include "ui/mainwindow.h"
#include "ui/qtdescriptionwindow.h"

#include <QObject>

namespace {

// The numbering check's preview goes to the description editor.
class EditorPreview : public DescriptionPreview
{
public:
    explicit EditorPreview(DescriptionEditor& editor) : m_editor(editor) {}
    void showPreview(const QByteArray& cp437Text) override { m_editor.openForPreview(cp437Text); }

private:
    DescriptionEditor& m_editor;
};

} // namespace

DizPageWiring::DizPageWiring(Application& program)
    : m_program(program)
{
    Application& p = program;
    m_window = std::make_unique<QtDescriptionWindow>(&p.window());
    m_editor = std::make_unique<DescriptionEditor>(p.job(), p.services(), *m_window);
    m_preview = std::make_unique<EditorPreview>(*m_editor);
    m_diz = std::make_unique<DizFile>(p.job(), p.runState(), p.view(), p.services(), *m_editor);
    m_binding = std::make_unique<DizNumberingBinding>(p.job(), *m_diz);

    DescriptionPreview* preview = m_preview.get();
    m_diz->checkNumbering = [&p, preview]() -> std::optional<QString> {
        const StepResult result = checkDizNumbering(p.job(), p.runState(), p.appState(), p.services(), preview);
        return result.ok ? std::nullopt : std::optional(result.reason);
    };
    // The run's own numbering check can show the preview too.
    if (p.run())
        p.run()->context().steps = standardRunSteps(p.job(), p.runState(), p.appState(), p.view(), p.services(), preview);

    DizPage* page = p.window().dizPage();
    DizFile* diz = m_diz.get();
    QObject::connect(page, &DizPage::browseClicked, page, [diz] { diz->browse(); });
    QObject::connect(page, &DizPage::createClicked, page, [diz] { diz->create(); });
    QObject::connect(page, &DizPage::editClicked, page, [diz] { diz->edit(); });
    QObject::connect(page, &DizPage::testClicked, page, [diz] { diz->test(); });
    QObject::connect(page, &DizPage::numberingChosen, page, [diz](bool on) { diz->chooseNumbering(on); });
    QObject::connect(page, &DizPage::numberBoxHovered, page, [diz](FocusTarget box) { diz->numberBoxHovered(box); });

    DescriptionEditor* editor = m_editor.get();
    QtDescriptionWindow* window = m_window.get();
    QObject::connect(window, &QtDescriptionWindow::saveRequested, window, [editor] { editor->save(); });
    QObject::connect(window, &QtDescriptionWindow::importRequested, window,
                     [editor](bool fromButton) { editor->importFile(fromButton); });
    QObject::connect(window, &QtDescriptionWindow::okRequested, window, [editor] { editor->ok(); });
    QObject::connect(window, &QtDescriptionWindow::cancelRequested, window, [editor] { editor->cancel(); });
    QObject::connect(window, &QtDescriptionWindow::closeBoxPressed, window, [editor] { editor->ok(); });
}

DizPageWiring::~DizPageWiring() = default;
