#pragma once

#include <QObject>
#include <QString>

// The texts and states of the window that logic writes and the widgets show.
// Logic changes the members and calls notify(); the window redraws from them.
struct WindowView {
    QString caption = QStringLiteral("Zavok32");
    bool listBarEnabled = true;
    bool busyPointer = false;
};

struct SourcePageView {
    QString sizeLabel = QStringLiteral("- Source size -");
    QString freeSpaceLabel;
    bool browseEnabled = true;
};

struct ZipPageView {
    QString sizeCaption = QStringLiteral("1.44 M");
    QString estimateCaption;
    QString freeSpaceCaption = QStringLiteral("Free space: ");
};

struct RunPageView {
    QString status;
    QString zipName;
    QString counter;
    int progress = 0;
};

class ViewState : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    WindowView window;
    SourcePageView source;
    ZipPageView zip;
    RunPageView run;

    void notify() { emit changed(); }

signals:
    void changed();
};
