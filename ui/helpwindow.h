#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

// The program's help: its own HTML pages, with a contents view and an index
// that can be searched by typing.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showContents(bool takeFocus = true);
    void showIndex();

    QTextBrowser* browser() const { return m_browser; }
    QLineEdit* searchBox() const { return m_search; }
    QListWidget* indexList() const { return m_index; }
    QTabWidget* tabs() const { return m_tabs; }

    // The help folder shipped with the program; empty when it is missing.
    static QString helpFolder();

private:
    void loadIndex();
    void filterIndex(const QString& text);
    void openEntry();
    void present(bool takeFocus);

    QTabWidget* m_tabs = nullptr;
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_index = nullptr;
    struct Entry {
        QString title;
        QString target; // file#anchor
        QString text;   // the words of its section, for the search
    };
    QList<Entry> m_entries;
};
