#include "translations/programtranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

ProgramTranslations::ProgramTranslations(const QLocale& locale)
{
    // The source texts are English: an English locale whose list of languages
    // goes on to another one must not pick that one up.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return;
    if (m_program.load(locale, QStringLiteral("zavok32"), QStringLiteral("_"), programFolder()))
        m_programInstalled = QCoreApplication::installTranslator(&m_program);
    // Qt's dialogs and standard buttons follow only when the program itself
    // speaks the language: one window, one language.
    if (m_programInstalled && m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder()))
        m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
}

ProgramTranslations::~ProgramTranslations()
{
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_programInstalled)
        QCoreApplication::removeTranslator(&m_program);
}

QString ProgramTranslations::programFolder()
{
    return QStringLiteral(":/i18n");
}

QString ProgramTranslations::qtFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
