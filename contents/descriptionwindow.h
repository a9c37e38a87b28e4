#pragma once

#include <QString>

// What the description editor window shows besides its text, written by
// DescriptionEditor: editing offers "&Save", "&Import" and the File menu; a
// numbering preview offers "&OK" (in the place of "&Save") and nothing else.
struct DescriptionEditorView {
    QString caption = QStringLiteral("File.id.diz");
    bool fileMenuEnabled = true;
    bool saveShown = true;
    bool importShown = true;
    bool okShown = false;
};

// The description editor window as its logic sees it. There is at most one;
// it is never modal. Its commands ("&Save", "&Import", "&OK", the File menu
// and the close box) go to DescriptionEditor, which closes the window itself.
class DescriptionWindow
{
public:
    virtual ~DescriptionWindow() = default;

    // Makes the window when there is none and shows it with `view`.
    virtual void open(const DescriptionEditorView& view) = 0;
    virtual bool isOpen() const = 0;
    // The text in the screen form of Cp437Screen: '\n' between lines.
    virtual void setText(const QString& screenText) = 0;
    virtual QString text() const = 0;
    virtual void focusText() = 0;
    // Closes and destroys the window; no command comes from it afterwards.
    virtual void close() = 0;
};
