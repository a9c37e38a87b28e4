#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class SoundPlayer;

// The about window: a picture in the shape of its outline, with the version
// on a panel. It stays while its thunder plays, then closes.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    static QString versionText() { return QStringLiteral("v3.67"); }
    QLabel* versionPanel() const { return m_version; }

    // Shows the window, plays "thunder.wav" to its end (whatever the sound
    // switch says), and closes it.
    void showWhilePlaying(SoundPlayer& sounds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QPixmap picture();

    QPixmap m_picture;
    QLabel* m_version = nullptr;
};
