#pragma once

#include "pipeline/reportpresenter.h"
#include "pipeline/runreport.h"
#include "platform/driveservice.h"
#include "platform/soundplayer.h"
#include "platform/zipcomponent.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <functional>

// A ZIP component that records every add (target, list, comment) and can be
// told to fail, or to run something while an add works (a click on Abort).
class FakeZipComponent : public ZipComponent
{
public:
    struct Add {
        QString target;
        QString list;
        QByteArray comment;
    };
    QList<Add> adds;
    int level = -1;
    bool stop = false;
    QByteArray comment;
    bool commentSet = false;
    // 1-based index of the add that returns non-zero; 0 for none.
    int failAt = 0;
    // What happened to the held adds of each ZIP: "start", "finish" or
    // "drop", in order; finishFailsAt makes that (1-based) finish fail.
    QStringList zipCalls;
    int finishFailsAt = 0;
    std::function<void(int addIndex)> whileAdding;

    void setCompressionLevel(int l) override { level = l; }
    void setTarget(const QString& t) override { m_target = t; }
    void setComment(const QByteArray& c) override
    {
        comment = c;
        commentSet = true;
    }
    void setFileList(const QString& l) override { m_list = l; }
    void setStop(bool s) override { stop = s; }
    int add() override
    {
        adds << Add{m_target, m_list, comment};
        const int index = int(adds.size());
        if (onAdding)
            onAdding(m_list.trimmed().toUpper());
        if (onStatus)
            onStatus(50);
        if (whileAdding)
            whileAdding(index);
        if (processPendingEvents)
            processPendingEvents();
        if (stop)
            return 1;
        return index == failAt ? 1 : 0;
    }

    void startZip() override { zipCalls << QStringLiteral("start"); }
    int finishZip() override
    {
        zipCalls << QStringLiteral("finish");
        if (stop)
            return 1;
        if (int(zipCalls.count(QStringLiteral("finish"))) == finishFailsAt)
            return 1;
        // A file where the ZIP goes, as the run reads it back for its journal.
        if (drives) {
            QFile file(drives->toHost(m_target + QStringLiteral(".zip")).value_or(QString()));
            if (file.open(QIODevice::WriteOnly))
                file.write("zip of " + m_target.toUtf8());
        }
        return 0;
    }
    // Where the ZIPs are written; none: they are not.
    const DriveService* drives = nullptr;
    void dropZip() override { zipCalls << QStringLiteral("drop"); }
    QStringList readAheads;
    void readAhead(const QString& l) override { readAheads << l; }

    QStringList listsFor(const QString& target) const
    {
        QStringList lists;
        for (const Add& a : adds)
            if (a.target == target)
                lists << a.list;
        return lists;
    }

private:
    QString m_target;
    QString m_list;
};

class FakeSoundPlayer : public SoundPlayer
{
public:
    QStringList played;
    void play(const QString& name, bool wait) override { played << name + (wait ? QStringLiteral(" wait") : QString()); }
};

class FakeReportPresenter : public ReportPresenter
{
public:
    QList<RunReport> shown;
    void showReport(const RunReport& report) override { shown << report; }
};
