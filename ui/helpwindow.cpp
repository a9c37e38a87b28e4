#include "ui/helpwindow.h"

#include "platform/appdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

QString HelpWindow::helpFolder()
{
    const QString index = AppDirectory::shippedFile(QStringLiteral("help/index.html"));
    return index.isEmpty() ? QString() : QFileInfo(index).absolutePath();
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Zavok32 Help"));
    resize(720, 560);
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    layout->addWidget(m_tabs);

    m_browser = new QTextBrowser(m_tabs);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(tr("Help text"));
    m_browser->setOpenExternalLinks(true);
    m_tabs->addTab(m_browser, tr("&Contents"));

    auto* indexPage = new QWidget(m_tabs);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel(tr("Type a word to find a topic:"), indexPage));
    m_search = new QLineEdit(indexPage);
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setAccessibleName(tr("Search"));
    m_search->setClearButtonEnabled(true);
    indexLayout->addWidget(m_search);
    m_index = new QListWidget(indexPage);
    m_index->setObjectName(QStringLiteral("helpIndex"));
    m_index->setAccessibleName(tr("Index"));
    indexLayout->addWidget(m_index, 1);
    m_tabs->addTab(indexPage, tr("&Index"));

    const QString folder = helpFolder();
    if (!folder.isEmpty()) {
        m_browser->setSearchPaths({folder});
        m_browser->setSource(QUrl(QStringLiteral("index.html")));
    } else {
        m_browser->setHtml(tr("<p>The help pages were not found beside the program.</p>"));
    }
    loadIndex();

    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::openEntry);
    connect(m_index, &QListWidget::itemActivated, this, &HelpWindow::openEntry);
}

void HelpWindow::loadIndex()
{
    const QString folder = helpFolder();
    if (folder.isEmpty())
        return;
    // Every heading with an id is an index entry; the text up to the next
    // heading is what a search looks through.
    static const QRegularExpression heading(QStringLiteral("<h([1-3])[^>]*id=\"([^\"]+)\"[^>]*>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(file.readAll());
        auto it = heading.globalMatch(html);
        QList<QRegularExpressionMatch> matches;
        while (it.hasNext())
            matches << it.next();
        for (qsizetype i = 0; i < matches.size(); ++i) {
            const auto& m = matches[i];
            const qsizetype end = i + 1 < matches.size() ? matches[i + 1].capturedStart() : html.size();
            const QString section = html.mid(m.capturedEnd(), end - m.capturedEnd());
            m_entries << Entry{QTextDocumentFragment::fromHtml(m.captured(3)).toPlainText().simplified(),
                               name + QLatin1Char('#') + m.captured(2),
                               QTextDocumentFragment::fromHtml(section).toPlainText().simplified()};
        }
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    filterIndex(QString());
}

void HelpWindow::filterIndex(const QString& text)
{
    m_index->clear();
    const QString wanted = text.trimmed();
    // Titles that match come first, then the topics that mention the words.
    QList<const Entry*> byTitle;
    QList<const Entry*> byText;
    for (const Entry& entry : m_entries) {
        if (wanted.isEmpty() || entry.title.contains(wanted, Qt::CaseInsensitive))
            byTitle << &entry;
        else if (entry.text.contains(wanted, Qt::CaseInsensitive))
            byText << &entry;
    }
    for (const Entry* entry : byTitle + byText) {
        auto* item = new QListWidgetItem(entry->title, m_index);
        item->setData(Qt::UserRole, entry->target);
    }
    if (m_index->count() > 0)
        m_index->setCurrentRow(0);
}

void HelpWindow::openEntry()
{
    QListWidgetItem* item = m_index->currentItem();
    if (!item)
        return;
    m_browser->setSource(QUrl(item->data(Qt::UserRole).toString()));
    m_tabs->setCurrentWidget(m_browser);
}

void HelpWindow::present(bool takeFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating, !takeFocus);
    if (isMinimized())
        showNormal();
    show();
    if (takeFocus) {
        raise();
        activateWindow();
    }
}

void HelpWindow::showContents(bool takeFocus)
{
    m_tabs->setCurrentWidget(m_browser);
    if (!helpFolder().isEmpty())
        m_browser->setSource(QUrl(QStringLiteral("index.html")));
    present(takeFocus);
}

void HelpWindow::showIndex()
{
    m_tabs->setCurrentIndex(1);
    present(true);
    m_search->setFocus();
}
