#pragma once

#include "source/ripintoquestion.h"

#include <QPointer>

class QWidget;

// The Iso/bin option dialog shown over the main window. It is a window of
// its own, not a child of the main window, which is disabled while it asks.
class QtRipIntoQuestion : public RipIntoQuestion
{
public:
    explicit QtRipIntoQuestion(QWidget* mainWindow);

    Choice ask() override;

private:
    QPointer<QWidget> m_mainWindow;
};
