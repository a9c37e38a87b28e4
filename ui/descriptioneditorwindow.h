#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
struct DescriptionEditorView;

// The "File.id.diz" window: the description in a DOS screen font, the
// "&File" menu, and "&Save" / "&OK" and "&Import" under the text. It shows
// what DescriptionEditor gives it and forwards every command; its close box
// asks too, and only the program closes it.
//
// What is typed or pasted is kept to what code page 437 can hold: a
// character it cannot hold is replaced by '?' at once, so the text on the
// screen is the text that is saved.
class DescriptionEditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit DescriptionEditorWindow(QWidget* parent = nullptr);

    void showView(const DescriptionEditorView& view);
    // Texts in the screen form of Cp437Screen ('\n' between lines).
    void setScreenText(const QString& text);
    QString screenText() const;
    void focusText();
    // Closes the window for good, without asking.
    void closeByProgram();

    // The font a DOS text screen draws with, at the size its glyphs were
    // drawn for, so box lines and blocks join from cell to cell; a fixed
    // font of the system when it is not installed.
    static QFont screenFont();
    static QString screenFontFamily() { return QStringLiteral("Px IBM VGA9"); }

    QPlainTextEdit* textBox() const { return m_text; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* importButton() const { return m_import; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QAction* importAction() const { return m_importAction; }
    QAction* saveAction() const { return m_saveAction; }
    QAction* cancelAction() const { return m_cancelAction; }

signals:
    void saveRequested();
    void importRequested(bool fromButton);
    void okRequested();
    void cancelRequested();
    void closeBoxPressed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void keepHoldable();

    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_import = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_cancelAction = nullptr;
    bool m_closing = false;
    bool m_fixing = false;
    int m_changedFrom = -1;
    int m_changedCount = 0;
};
