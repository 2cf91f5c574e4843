#pragma once
// An image control that acts as a button: a click is a left press and release on it (or on one
// of its caption labels). Its picture is swapped by name, and only when the name changes.

#include <QLabel>
#include <QString>

class PictureButton : public QLabel {
    Q_OBJECT
  public:
    PictureButton(const QString& objectName, const QString& graphicsFolder, QWidget* parent);

    // A label whose presses and clicks count as this button's.
    void addCaption(QLabel* caption);

    void showPicture(const QString& fileName);
    QString pictureName() const { return m_pictureName; }
    // The picture's own size, or `fallback` while it cannot be read.
    void sizeToPicture(QSize fallback);

    void setTooltipEverywhere(const QString& tip);

  signals:
    void pressed();
    void released();
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString m_folder;
    QString m_pictureName;
    QList<QLabel*> m_captions;
    QObject* m_down = nullptr;
};
