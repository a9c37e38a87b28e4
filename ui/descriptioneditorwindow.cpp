#include "ui/descriptioneditorwindow.h"

#include "contents/cp437screen.h"
#include "contents/descriptionwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr int kScreenColumns = 80;
constexpr int kScreenRows = 25;
constexpr int kGlyphPixels = 16; // the height the screen font's cells were drawn at

// Light grey on black, as a DOS screen shows text.
QPalette screenPalette(QPalette palette)
{
    const QColor grey(0xAA, 0xAA, 0xAA);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::black);
        palette.setColor(group, QPalette::Text, grey);
        palette.setColor(group, QPalette::Highlight, grey);
        palette.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    return palette;
}

} // namespace

DescriptionEditorWindow::DescriptionEditorWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("descriptionEditor"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->setObjectName(QStringLiteral("descriptionFileMenu"));
    m_importAction = m_fileMenu->addAction(tr("&Import..."));
    m_saveAction = m_fileMenu->addAction(tr("&Save..."));
    m_fileMenu->addSeparator();
    m_cancelAction = m_fileMenu->addAction(tr("&Cancel"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_text = new QPlainTextEdit(central);
    m_text->setObjectName(QStringLiteral("descriptionText"));
    m_text->setAccessibleName(tr("Description"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setTabChangesFocus(true);
    m_text->setFont(screenFont());
    m_text->setPalette(screenPalette(m_text->palette()));
    m_text->setCursorWidth(2);
    const QFontMetrics metrics(m_text->font());
    const int margins = 2 * int(m_text->document()->documentMargin()) + 2 * m_text->frameWidth();
    m_text->setMinimumSize(metrics.horizontalAdvance(QString(kScreenColumns, QLatin1Char('M'))) + margins
                               + m_text->verticalScrollBar()->sizeHint().width(),
                           metrics.lineSpacing() * kScreenRows + margins
                               + m_text->horizontalScrollBar()->sizeHint().height());
    layout->addWidget(m_text, 1);

    auto* buttons = new QHBoxLayout;
    m_save = new QPushButton(tr("&Save"), central);
    m_save->setObjectName(QStringLiteral("descriptionSave"));
    m_ok = new QPushButton(tr("&OK"), central);
    m_ok->setObjectName(QStringLiteral("descriptionOk"));
    m_import = new QPushButton(tr("&Import"), central);
    m_import->setObjectName(QStringLiteral("descriptionImport"));
    buttons->addWidget(m_save);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_import);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    setTabOrder(m_text, m_save);
    setTabOrder(m_save, m_ok);
    setTabOrder(m_ok, m_import);

    connect(m_save, &QPushButton::clicked, this, &DescriptionEditorWindow::saveRequested);
    connect(m_saveAction, &QAction::triggered, this, &DescriptionEditorWindow::saveRequested);
    connect(m_import, &QPushButton::clicked, this, [this] { emit importRequested(true); });
    connect(m_importAction, &QAction::triggered, this, [this] { emit importRequested(false); });
    connect(m_ok, &QPushButton::clicked, this, &DescriptionEditorWindow::okRequested);
    connect(m_cancelAction, &QAction::triggered, this, &DescriptionEditorWindow::cancelRequested);

    // The range of each change is noted as it happens and checked once the
    // change is complete, when the document may be edited again.
    connect(m_text->document(), &QTextDocument::contentsChange, this, [this](int from, int, int added) {
        if (m_fixing || added <= 0)
            return;
        const int end = m_changedFrom < 0 ? from + added : std::max(m_changedFrom + m_changedCount, from + added);
        m_changedFrom = m_changedFrom < 0 ? from : std::min(m_changedFrom, from);
        m_changedCount = end - m_changedFrom;
    });
    connect(m_text, &QPlainTextEdit::textChanged, this, &DescriptionEditorWindow::keepHoldable);
}

QFont DescriptionEditorWindow::screenFont()
{
    QFont font(screenFontFamily());
    font.setPixelSize(kGlyphPixels);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (QFontInfo(font).family() == screenFontFamily()) {
        // Its glyphs are pixels on a grid; smoothing would only blur them.
        font.setStyleStrategy(QFont::NoAntialias);
        return font;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void DescriptionEditorWindow::keepHoldable()
{
    if (m_fixing || m_changedFrom < 0)
        return;
    QTextDocument* document = m_text->document();
    const int last = document->characterCount() - 1;
    const int from = std::min(m_changedFrom, last);
    const int to = std::min(m_changedFrom + m_changedCount, last);
    m_changedFrom = -1;
    m_changedCount = 0;
    QTextCursor range(document);
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    const QString typed = range.selectedText();
    const QString kept = Cp437Screen::holdable(typed);
    if (kept == typed)
        return;
    m_fixing = true;
    const bool cursorAtEnd = m_text->textCursor().position() == to;
    range.joinPreviousEditBlock();
    range.insertText(kept);
    range.endEditBlock();
    if (cursorAtEnd) {
        QTextCursor cursor = m_text->textCursor();
        cursor.setPosition(from + int(kept.size()));
        m_text->setTextCursor(cursor);
    }
    m_fixing = false;
    QApplication::beep();
}

void DescriptionEditorWindow::showView(const DescriptionEditorView& view)
{
    setWindowTitle(view.caption);
    m_fileMenu->setEnabled(view.fileMenuEnabled);
    m_fileMenu->menuAction()->setEnabled(view.fileMenuEnabled);
    m_save->setVisible(view.saveShown);
    m_import->setVisible(view.importShown);
    m_ok->setVisible(view.okShown);
    m_save->setDefault(false);
    m_ok->setDefault(view.okShown);
}

void DescriptionEditorWindow::setScreenText(const QString& text)
{
    m_text->setPlainText(text);
}

QString DescriptionEditorWindow::screenText() const
{
    // The raw text: the plain-text form would turn the no-break space
    // (byte 0xFF) into a blank.
    QString text = m_text->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void DescriptionEditorWindow::focusText()
{
    m_text->setFocus(Qt::OtherFocusReason);
}

void DescriptionEditorWindow::closeByProgram()
{
    m_closing = true;
    close();
}

void DescriptionEditorWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks the program, which closes the window from here.
    if (!m_closing)
        emit closeBoxPressed();
    event->setAccepted(m_closing);
}
