#include "job/pagenotices.h"

#include "job/viewstate.h"

#include <QCoreApplication>

PageNotices::PageNotices(const RipJob& job, ViewState& view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
    connect(&job, &RipJob::changed, this, [this](RipJob::Field field) {
        const auto page = pageOfField(field);
        QString* notice = page ? m_view.notice(*page) : nullptr;
        if (!notice || notice->isEmpty())
            return;
        notice->clear();
        m_view.notify();
    });
}

std::optional<PageId> PageNotices::pageOfField(RipJob::Field field)
{
    using F = RipJob::Field;
    switch (field) {
    case F::SourcePath:
    case F::ImageMode: return PageId::Source;
    case F::SkipEntries: return PageId::Skip;
    case F::DizPath:
    case F::AutoNumbering:
    case F::DizColumn:
    case F::DizLine: return PageId::Diz;
    case F::NfoPath:
    case F::ExtraChoice:
    case F::ExtraPath: return PageId::Nfo;
    case F::ZipDirectory:
    case F::ZipBaseName: return PageId::Zip;
    default: return std::nullopt;
    }
}

void PageNotices::set(ViewState& view, PageId page, const QString& text)
{
    QString* notice = view.notice(page);
    if (!notice || *notice == text)
        return;
    *notice = text;
    view.notify();
}

void PageNotices::setIfNone(ViewState& view, PageId page, const QString& text)
{
    if (const QString* notice = view.notice(page); notice && notice->isEmpty())
        set(view, page, text);
}

void PageNotices::clearAll(ViewState& view)
{
    bool any = false;
    for (PageId page : {PageId::Source, PageId::Skip, PageId::Diz, PageId::Nfo, PageId::Zip}) {
        QString* notice = view.notice(page);
        any = any || !notice->isEmpty();
        notice->clear();
    }
    if (any)
        view.notify();
}

QString PageNotices::sourceGoneText(const QString& path)
{
    return QCoreApplication::translate("PageNotices", "The source ") + path + QCoreApplication::translate("PageNotices", " is not there any more: choose it again");
}

QString PageNotices::descriptionGoneText(const QString& path)
{
    return QCoreApplication::translate("PageNotices", "The description file ") + path + QCoreApplication::translate("PageNotices", " is not there any more: choose it again");
}

QString PageNotices::informationGoneText(const QString& path)
{
    return QCoreApplication::translate("PageNotices", "The information file ") + path + QCoreApplication::translate("PageNotices", " is not there any more: choose it again");
}

QString PageNotices::extraGoneText(const QString& path)
{
    return QCoreApplication::translate("PageNotices", "The extra ") + path + QCoreApplication::translate("PageNotices", " is not there any more: choose it again, or leave it out");
}

QString PageNotices::zipFolderGoneText(const QString& path)
{
    return QCoreApplication::translate("PageNotices", "The ZIP folder ") + path + QCoreApplication::translate("PageNotices", " is not there any more: choose it again");
}
