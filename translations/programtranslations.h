#pragma once

#include <QLocale>
#include <QTranslator>

// The program's own translation and Qt's (the standard buttons and dialogs)
// for one locale, installed into the running application for as long as this
// object lives. The program's texts are written in English: under the C or an
// English locale nothing is installed and every text stays as written.
class ProgramTranslations
{
public:
    explicit ProgramTranslations(const QLocale& locale = QLocale());
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // Whether the program's own texts are translated for the locale.
    bool programTranslated() const { return m_programInstalled; }

    // The folder of the program's translations (built in) and of Qt's.
    static QString programFolder();
    static QString qtFolder();

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programInstalled = false;
    bool m_qtInstalled = false;
};
