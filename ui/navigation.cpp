#include "ui/navigation.h"

#include "job/appstate.h"
#include "job/ripjob.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString kTypeWave = QStringLiteral("type.wav");
const QString kWhooshWave = QStringLiteral("whoosh.wav");

std::optional<PageId> pageOfItem(const QString& text)
{
    if (text == QLatin1String("Source"))
        return PageId::Source;
    if (text == QLatin1String("Skip"))
        return PageId::Skip;
    if (text == QLatin1String("Diz"))
        return PageId::Diz;
    if (text == QLatin1String("Nfo"))
        return PageId::Nfo;
    if (text == QLatin1String("Zip"))
        return PageId::Zip;
    return std::nullopt;
}

} // namespace

Navigation::Navigation(const AppState& app, const RipJob& job)
    : m_app(app)
    , m_job(job)
    , m_title(titleText(PageId::Source))
{
}

QString Navigation::titleText(PageId page)
{
    switch (page) {
    case PageId::Source: return QStringLiteral(QT_TRANSLATE_NOOP("Navigation", " Source"));
    case PageId::Skip: return QStringLiteral(QT_TRANSLATE_NOOP("Navigation", " Skip"));
    case PageId::Diz: return QStringLiteral(QT_TRANSLATE_NOOP("Navigation", " Diz"));
    case PageId::Nfo: return QStringLiteral(QT_TRANSLATE_NOOP("Navigation", " Nfo"));
    case PageId::Zip: return QStringLiteral(QT_TRANSLATE_NOOP("Navigation", " Zip"));
    case PageId::Run: return QStringLiteral(QT_TRANSLATE_NOOP("Navigation", " Zavok!"));
    case PageId::About: return QStringLiteral(QT_TRANSLATE_NOOP("Navigation", " About"));
    }
    return {};
}

QStringList Navigation::itemTexts(ListGroup group)
{
    if (group == ListGroup::Main)
        return {QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Source")),
                QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Skip")),
                QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Diz")),
                QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Nfo")),
                QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Zip")),
                QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Zavok!"))};
    return {QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Help")), QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "About"))};
}

QString Navigation::groupText(ListGroup group)
{
    return group == ListGroup::Main ? QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Main")) : QStringLiteral(QT_TRANSLATE_NOOP("Navigation", "Extra"));
}

QString Navigation::shown(const QString& text)
{
    return QCoreApplication::translate("Navigation", text.toUtf8().constData());
}

bool Navigation::itemIsCommand(const QString& text)
{
    return text == QLatin1String("Zavok!") || text == QLatin1String("Help");
}

void Navigation::reset()
{
    m_visible = PageId::Source;
    m_checked = PageId::Source;
    m_title = titleText(PageId::Source);
    notify();
}

void Navigation::showPage(PageId page)
{
    // Zip is the one page whose command is a no-op once marked: its focus rule
    // would otherwise pull the caret away from the name being typed.
    if (page == PageId::Zip && m_checked == PageId::Zip)
        return;
    if (page != PageId::About)
        m_checked = page;
    m_visible = page;
    if (page == PageId::Skip && repaint)
        repaint();
    m_title = titleText(page);
    notify();
    if (!focus)
        return;
    if (page == PageId::Skip)
        focus(FocusTarget::SkipSink);
    else if (page == PageId::Zip)
        focus(FocusTarget::ZipName);
}

void Navigation::markItem(PageId page)
{
    if (page == PageId::About)
        return;
    m_checked = page;
    notify();
}

void Navigation::itemClicked(const QString& text)
{
    if (text != QLatin1String("Help"))
        setTitle(QLatin1Char(' ') + text);

    if (const auto page = pageOfItem(text)) {
        if (m_visible == *page)
            return;
        playType();
        showPage(*page);
        if (*page == PageId::Zip && !m_job.zipBaseName().isEmpty() && zipNameCaretToEnd)
            zipNameCaretToEnd();
        return;
    }
    if (text == QLatin1String("Zavok!")) {
        if (m_visible == PageId::Run)
            return;
        playType();
        if (startRun)
            startRun();
        return;
    }
    if (text == QLatin1String("About")) {
        if (m_visible == PageId::About)
            return;
        playType();
        m_visible = PageId::About;
        m_title = titleText(PageId::About);
        notify();
        return;
    }
    if (text == QLatin1String("Help") && openHelp)
        openHelp(true);
}

void Navigation::groupClicked(ListGroup clicked, ListGroup shownBefore)
{
    if (m_app.soundsEnabled && clicked != shownBefore && playSound)
        playSound(kWhooshWave);
}

void Navigation::setTitle(const QString& title)
{
    m_title = title;
    notify();
}

void Navigation::playType()
{
    if (m_app.soundsEnabled && playSound)
        playSound(kTypeWave);
}

void Navigation::notify()
{
    if (changed)
        changed();
}
