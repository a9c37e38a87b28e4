#pragma once

#include <QWidget>

class QLabel;

// A page's notice: one line, with the information icon, that says why a
// command sent the user to the page instead of doing its work. Hidden while
// there is nothing to say.
class NoticeLine : public QWidget
{
    Q_OBJECT
public:
    explicit NoticeLine(const QString& objectName, QWidget* parent = nullptr);

    void setNotice(const QString& text);
    QString text() const;

private:
    QLabel* m_icon = nullptr;
    QLabel* m_text = nullptr;
};
