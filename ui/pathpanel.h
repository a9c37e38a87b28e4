#pragma once

#include <QFrame>

// A sunken panel that shows a path. A path too long for the panel is shown
// shortened in the middle; resting the mouse on it shows the whole path.
class PathPanel : public QFrame
{
    Q_OBJECT
public:
    explicit PathPanel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QString m_text;
};
