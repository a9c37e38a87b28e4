#pragma once

#include <QCoreApplication>
#include <QString>

class RipJob;
struct Services;

// The Options menu's ZIP comment: one comment for every ZIP of the set. The
// text lives in a working copy, "zcomment.ini" in the application directory;
// whether it is used is the check mark of "Use &zip comment", which outlives
// the program as the empty marker file "zcom1.ini" beside it.
class ZipComment
{
public:
    ZipComment(RipJob& job, Services& services, QString appDirHost);

    // "Use &zip comment": off removes the marker. On asks for a comment file
    // first when there is no working copy yet, then sets the mark and the
    // marker whatever that dialog gave.
    void toggle();
    // "&Open zip comment...": copies a chosen file of at most 32,000 bytes
    // over the working copy and remembers it for scripts. Cancel, a file too
    // large or a failed copy switch the comment off and remember nothing; a
    // good file leaves the check mark as it was.
    void open();
    // "&View zip comment...": the working copy in the desktop's text editor.
    void view();

    static constexpr qint64 kMaxCommentBytes = 32000;
    static QString tooLargeText() { return QCoreApplication::translate("ZipComment", "Zip comment file too large, must be under 32k"); }
    static QString workingCopyName() { return QStringLiteral("zcomment.ini"); }
    static QString markerName() { return QStringLiteral("zcom1.ini"); }

private:
    void switchOff();
    void removeMarkers();
    QString appFileHost(const QString& name) const;

    RipJob& m_job;
    Services& m_services;
    QString m_appDirHost;
};
