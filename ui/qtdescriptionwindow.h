#pragma once

#include "contents/descriptionwindow.h"
#include "ui/descriptioneditorwindow.h"

#include <QObject>
#include <QPointer>

class QWidget;

// The description editor's window as Qt widgets: one DescriptionEditorWindow
// at a time, made when the editor opens and destroyed when it closes. It is
// not a child of the main window, which is disabled while the editor is
// open, but opens over it. Its commands come out of the signals below.
class QtDescriptionWindow : public QObject, public DescriptionWindow
{
    Q_OBJECT
public:
    explicit QtDescriptionWindow(QWidget* mainWindow);
    ~QtDescriptionWindow() override;

    void open(const DescriptionEditorView& view) override;
    bool isOpen() const override { return !m_window.isNull(); }
    void setText(const QString& screenText) override;
    QString text() const override;
    void focusText() override;
    void close() override;

    DescriptionEditorWindow* window() const { return m_window; }

signals:
    void saveRequested();
    void importRequested(bool fromButton);
    void okRequested();
    void cancelRequested();
    void closeBoxPressed();

private:
    QPointer<QWidget> m_mainWindow;
    QPointer<DescriptionEditorWindow> m_window;
};
