#pragma once
// The one button of the skin: a picture for each state (normal, under the mouse, held down,
// disabled), a focus mark drawn over the picture, Space and Enter to press it, and an accessible
// name and press action like any push button. Caption labels beside or on it act as part of it.

#include <QAbstractButton>
#include <QList>
#include <QString>

class QLabel;

class SkinnedButton : public QAbstractButton {
    Q_OBJECT
  public:
    // Picture file names in the graphics folder. An empty hovered or pressed name shows the
    // normal picture; an empty disabled name shows the normal picture too.
    struct Look {
        QString normal, hovered, pressed, disabled;
        bool operator==(const Look&) const = default;
    };

    // The plain captioned button of the dialogs and the Erase view.
    static Look PlainLook();

    SkinnedButton(const QString& objectName, const QString& graphicsFolder, QWidget* parent);

    void setLook(const Look& look);
    const Look& look() const { return m_look; }
    // The picture file name painted now, for the state the button is in.
    QString shownPicture() const;

    // Sizes the button to its normal picture, or to `fallback` while that cannot be read.
    void sizeToPicture(QSize fallback);

    // Mouse presses and clicks on `caption` act on this button; the caption's text becomes the
    // accessible name unless one is set, and its tooltip follows the button's.
    void addCaption(QLabel* caption);
    void setToolTipEverywhere(const QString& tip);

    // A hover that comes from elsewhere than the mouse entering this widget, e.g. the pointer
    // over a caption: shows the hovered picture while true.
    void setHoverOverride(bool hovered);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QString m_folder;
    Look m_look;
    QList<QLabel*> m_captions;
    QLabel* m_captionDown = nullptr;  // caption a left press began on
    bool m_hovered = false;           // the pointer is over the button itself
    bool m_hoverOverride = false;
};
