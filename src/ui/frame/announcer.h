#pragma once
// Spoken announcements: what a screen reader should say although the focus does not move (the
// question that came on view, the score after marking, the state of the Erase view).
//
// Orca 43 speaks a notification the moment it is shown, and nothing else reliably: a change of
// name or description reaches it with the object instead of the new text, and an alert event is
// dropped. So each window holds one notification, a pixel-sized widget that draws nothing, and
// an announcement shows it afresh under the new text. Qt 6.8's announcement event would replace
// it.

#include <QString>
#include <QWidget>

class Announcer : public QWidget {
    Q_OBJECT
  public:
    explicit Announcer(QWidget* window);

    void announce(const QString& text);
    QString text() const { return m_text; }

  protected:
    void paintEvent(QPaintEvent*) override {}

  private:
    QString m_text;
};

// Announces `text` through the notification of `within`'s window, made on first use.
void Announce(QWidget* within, const QString& text);
// The announcer of `within`'s window; null before anything was announced there.
Announcer* FindAnnouncer(const QWidget* within);
