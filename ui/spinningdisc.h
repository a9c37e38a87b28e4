#pragma once

#include <QTimer>
#include <QWidget>

// A CD that turns while it is shown: the animated icon of the question a
// CD image source asks.
class SpinningDisc : public QWidget
{
    Q_OBJECT
public:
    explicit SpinningDisc(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {56, 56}; }
    int angle() const { return m_angle; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer m_timer;
    int m_angle = 0;
};
