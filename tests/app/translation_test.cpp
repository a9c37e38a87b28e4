// The window in the user's language: German under a German locale, Qt's own
// texts with it; under C or English every text as written; and every text the
// window shows is in the template translators work from.
#include "appdoubles.h"
#include "app/application.h"
#include "app/setcheckwiring.h"
#include "job/pagenotices.h"
#include "job/recoveryfilespage.h"
#include "doubles/temphome.h"
#include "setcheck/setcheckresult.h"
#include "translations/programtranslations.h"
#include "ui/checksetwindow.h"
#include "ui/mainwindow.h"
#include "ui/recoveryfilesdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QToolBox>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Widgets that show the job's own data (paths, names, sizes) rather than a
// text of the program.
const QStringList kDataWidgets{"sourcePathPanel", "sourceSize",   "freeSpace",  "workDriveList", "dizPathPanel",
                               "nfoPathPanel",    "extraPathPanel", "zipBaseName", "zipPathPanel", "archiveSize",
                               "dizColumn",       "dizLine",      "skipList",   "runStatus",     "runZipName",
                               "runCounter",      "webPanel",     "emailPanel", "signaturePanel"};

struct TranslatedWindow : ::testing::Test {
    TempHome home;
    QuietSounds sounds;
    std::unique_ptr<Application> program;

    void open()
    {
        Application::Options options = homeOptions(home, sounds);
        program = std::make_unique<Application>(options);
        ASSERT_FALSE(program->load(QString()).has_value());
    }
    MainWindow& window() { return program->window(); }
    template <typename T>
    QString textOf(const char* name, QString (T::*text)() const)
    {
        T* widget = window().findChild<T*>(QLatin1String(name));
        return widget ? (widget->*text)() : QStringLiteral("<no %1>").arg(QLatin1String(name));
    }
    QStringList menuTitles()
    {
        QStringList titles;
        for (QAction* action : window().menuBar()->actions())
            titles << action->text();
        return titles;
    }
    QString sourceBoxTitle()
    {
        for (auto* box : window().findChildren<QGroupBox*>())
            if (box->parentWidget() && box->parentWidget()->objectName() == QLatin1String("sourcePage"))
                return box->title();
        return {};
    }
};

// The texts a user reads on every page, menu and list of the window.
QStringList shownTexts(QWidget& window)
{
    QStringList texts;
    const auto shownByData = [](const QObject* o) {
        for (; o; o = o->parent())
            if (kDataWidgets.contains(o->objectName()))
                return true;
        return false;
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (shownByData(w))
            continue;
        texts << w->toolTip() << w->windowTitle();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            texts << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            texts << c->placeholderText();
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        }
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        if (auto* box = qobject_cast<QToolBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* menu = qobject_cast<QMenu*>(w))
            texts << menu->title();
    }
    for (QAction* action : window.findChildren<QAction*>())
        texts << action->text();
    texts.removeAll(QString());
    return texts;
}

// The text of a .ts element: the tools write a carriage return as
// <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

// The template's source texts, each as a pattern: "%1" stands for anything.
QList<QRegularExpression> templateTexts()
{
    QFile file(QStringLiteral(ZAVOK32_SOURCE_DIR "/translations/zavok32.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QRegularExpression> patterns;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source")) {
            QString pattern = QRegularExpression::escape(elementText(xml));
            // escape() writes "%1" as "\%1".
            pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral(".*"));
            patterns << QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                           QRegularExpression::DotMatchesEverythingOption);
        }
    }
    return patterns;
}

} // namespace

TEST_F(TranslatedWindow, AGermanLocaleShowsTheWindowItsMessagesAndQtsOwnTextsInGerman)
{
    const ProgramTranslations german(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(german.programTranslated());
    open();
    EXPECT_EQ(menuTitles(), (QStringList{"&Datei", "&Optionen", "&Hilfe"}));
    EXPECT_EQ(textOf<QLabel>("titlePanel", &QLabel::text), " Quelle");
    EXPECT_EQ(sourceBoxTitle(), "Quelllaufwerk oder -verzeichnis");
    EXPECT_EQ(textOf<QAbstractButton>("sourceBrowse", &QAbstractButton::text), "D&urchsuchen");
    EXPECT_EQ(QCoreApplication::translate("CommandLine", "print the version and exit"),
              "zeigt die Version und beendet das Programm");
    // Texts made by logic, away from any widget.
    EXPECT_EQ(PageNotices::noSourceText(), "Wählen Sie zuerst eine Quelle");
    EXPECT_EQ(FileVerdict::stateText(FileVerdict::State::Damaged), "beschädigt");
    // Qt's standard buttons come with it, when Qt's translations are installed.
    if (QFile::exists(ProgramTranslations::qtFolder() + "/qtbase_de.qm")) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }
}

TEST_F(TranslatedWindow, UnderCOrAnEnglishLocaleEveryTextStaysAsWritten)
{
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
        const ProgramTranslations none(locale);
        EXPECT_FALSE(none.programTranslated()) << locale.name().toStdString();
        open();
        EXPECT_EQ(menuTitles(), (QStringList{"&File", "&Options", "&Help"}));
        EXPECT_EQ(textOf<QLabel>("titlePanel", &QLabel::text), " Source");
        EXPECT_EQ(sourceBoxTitle(), "Source drive or directory");
        EXPECT_EQ(textOf<QAbstractButton>("sourceBrowse", &QAbstractButton::text), "B&rowse");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        EXPECT_EQ(PageNotices::noSourceText(), "Choose a source first");
        EXPECT_EQ(FileVerdict::stateText(FileVerdict::State::Damaged), "damaged");
        program.reset();
    }
}

TEST_F(TranslatedWindow, EveryTextTheWindowAndItsDialogsShowIsInTheTemplate)
{
    open();
    const QList<QRegularExpression> patterns = templateTexts();
    ASSERT_FALSE(patterns.isEmpty());
    program->setCheck().open();
    RecoveryFilesPage recovery(program->appState(), program->appDirHost());
    RecoveryFilesDialog recoveryDialog(recovery);
    // Names, not words, and the standard buttons, which Qt's own translation
    // carries.
    const QSet<QString> names{"Zavok32", "QZM", "OK", "Cancel"};
    QStringList missing;
    for (const QString& text : shownTexts(window()) + shownTexts(recoveryDialog)) {
        if (names.contains(text) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            continue;
        if (std::none_of(patterns.begin(), patterns.end(), [&](const auto& p) { return p.match(text).hasMatch(); }))
            missing << text;
    }
    missing.removeDuplicates();
    EXPECT_TRUE(missing.isEmpty()) << "not in translations/zavok32.ts (cmake --build build --target update_translations): "
                                   << missing.join(" | ").toStdString();
}

// A translation that drops a "%1", a line break, an accelerator or a part of
// a file filter shows a wrong or broken text only when that text comes up.
TEST(GermanTranslation, EveryTextIsTranslatedAndKeepsItsPlaceholdersBreaksAcceleratorsAndFilters)
{
    QFile file(QStringLiteral(ZAVOK32_SOURCE_DIR "/translations/zavok32_de.ts"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = elementText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString german = elementText(xml);
            const std::string shown = source.toStdString() + " => " + german.toStdString();
            EXPECT_FALSE(unfinished || german.isEmpty()) << shown;
            EXPECT_EQ(placeholders(german), placeholders(source)) << shown;
            for (const QChar kept : {QChar('\r'), QChar('\n'), QChar('|'), QChar('&')})
                EXPECT_EQ(german.count(kept), source.count(kept)) << shown;
        }
    }
    EXPECT_GT(messages, 600);
}
