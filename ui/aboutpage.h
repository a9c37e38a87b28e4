#pragma once

#include <QWidget>

class QLabel;

// The author's signature, a few words, and the web and e-mail links.
class AboutPage : public QWidget
{
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);

    QLabel* signaturePanel() const { return m_signature; }
    QLabel* webPanel() const { return m_web; }
    QLabel* emailPanel() const { return m_email; }

signals:
    // A left or middle click on the signature.
    void signatureClicked();
    void webClicked();
    void emailClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_signature = nullptr;
    QLabel* m_web = nullptr;
    QLabel* m_email = nullptr;
};
