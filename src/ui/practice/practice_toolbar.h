#pragma once
// The six picture buttons of the practice window's toolbar strip with their captions, their
// enable rules and the picture each shows on a timer tick.

#include <QFrame>
#include <QPixmap>
#include <array>

class ImageButton;
class QLabel;

enum class ToolbarButton { Save = 0, Mark, Print, Close, Back, Next };
inline constexpr int kToolbarButtonCount = 6;

enum class ButtonLook { Off, On, Pressed, Disabled };

// Save and Mark while not marked; Back past question 1; Next before the last one.
std::array<bool, kToolbarButtonCount> ToolbarEnabled(bool marked, int currentQuestion,
                                                     int questionCount);

ButtonLook ToolbarLook(bool enabled, bool underCursor, bool pressTrack);

// "save", "mark", "print", "close", "back", "forward".
QString ToolbarPictureStem(ToolbarButton b);

class PracticeToolbar : public QFrame {
    Q_OBJECT
  public:
    // Pictures come from <graphicsFolder>/<stem>_<look>.bmp.
    PracticeToolbar(const QString& graphicsFolder, QWidget* parent = nullptr);

    ImageButton* button(ToolbarButton b) const { return buttons_[static_cast<size_t>(b)]; }
    QLabel* caption(ToolbarButton b) const { return captions_[static_cast<size_t>(b)]; }
    // Summary picture "pen.bmp" that the clock, date and score sit on.
    QLabel* summary() const { return summary_; }

    // Enable states and pictures; a picture is only swapped when its look changes.
    void update(const std::array<bool, kToolbarButtonCount>& enabled, QPoint cursorGlobal,
                bool pressTrack);
    ButtonLook look(ToolbarButton b) const { return looks_[static_cast<size_t>(b)]; }

    // Positions the buttons for the strip's width and the window's width.
    void layoutFor(int windowWidth);
    int preferredHeight() const;

  signals:
    void triggered(ToolbarButton b);
    void pressTrackChanged(bool down);

  private:
    QPixmap picture(ToolbarButton b, ButtonLook look);

    QString graphics_;
    std::array<ImageButton*, kToolbarButtonCount> buttons_{};
    std::array<QLabel*, kToolbarButtonCount> captions_{};
    std::array<ButtonLook, kToolbarButtonCount> looks_{};
    std::array<bool, kToolbarButtonCount> lookSet_{};
    QLabel* summary_ = nullptr;
};
