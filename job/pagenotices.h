#pragma once

#include "job/ripjob.h"
#include "platform/shell.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class ViewState;

// The line on a page that says why a check sent the user there instead of
// doing what was asked: the job check and the run show the page of the first
// problem, and the notice says what is missing on it. A notice stays until
// the user changes what it is about, or the next check or run starts afresh.
// Lives as long as the job and the view it binds.
class PageNotices : public QObject
{
    Q_OBJECT
public:
    PageNotices(const RipJob& job, ViewState& view, QObject* parent = nullptr);

    // Puts a notice on a page (none on the run and about pages).
    static void set(ViewState& view, PageId page, const QString& text);
    // Only where the page has none yet: the job check's words, which name the
    // file that went missing, stay before the run's plainer ones.
    static void setIfNone(ViewState& view, PageId page, const QString& text);
    static void clearAll(ViewState& view);
    // The page whose notice a change of a field answers; none for the rest.
    static std::optional<PageId> pageOfField(RipJob::Field field);

    static QString noSourceText() { return QCoreApplication::translate("PageNotices", "Choose a source first"); }
    static QString sourceGoneText(const QString& path);
    static QString noDescriptionText() { return QCoreApplication::translate("PageNotices", "Choose a description file (file_id.diz) first"); }
    static QString descriptionGoneText(const QString& path);
    static QString noColumnText() { return QCoreApplication::translate("PageNotices", "Type the column the volume number goes in first"); }
    static QString noLineText() { return QCoreApplication::translate("PageNotices", "Type the line the volume number goes on first"); }
    static QString noInformationText() { return QCoreApplication::translate("PageNotices", "Choose an information file (.nfo) first"); }
    static QString informationGoneText(const QString& path);
    static QString extraGoneText(const QString& path);
    static QString noZipFolderText() { return QCoreApplication::translate("PageNotices", "Choose a folder for the ZIPs first"); }
    static QString zipFolderGoneText(const QString& path);
    static QString noBaseNameText() { return QCoreApplication::translate("PageNotices", "Type a base name for the ZIPs first"); }
    static QString numberingText() { return QCoreApplication::translate("PageNotices", "The volume number does not fit the description at this line and column"); }
    static QString skipSourceItselfText() { return QCoreApplication::translate("PageNotices", "The source itself cannot be skipped: choose a folder inside it"); }

private:
    ViewState& m_view;
};
