#pragma once
// A window without a system frame, drawn from the skin pictures: frame pieces BTopLeft ...
// BBotRight, a title label, an icon, title-bar buttons, a rounded outline, a title strip that
// drags the window, and active / inactive pictures with a focus flag ("1" / "0").
//
// Subclasses put their content inside and may
//  - lay it out in layoutContent(), which runs on every resize after the frame and the title
//    strip and before the outline is applied;
//  - replace what the close button does (closeButtonClicked; the default closes the window);
//  - react to activation in skinStateChanged().
// The title-bar buttons are skinned buttons: they show their hover pictures by themselves, only
// while the window is active.

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/frame/frame_layout.h"

class QLabel;
class QWindow;
class CaptionDrag;
class SkinnedButton;

class SkinnedWindow : public QWidget {
    Q_OBJECT
  public:
    struct Skin {
        TitleStripStyle style = TitleStripStyle::Main;
        QString graphicsFolder;                       // <program folder>/Graphics
        QString titleName = QStringLiteral("Title");  // "lblTitle" in the dialog
        QString iconPicture;                          // "VTicon.ico", "Pencil.ico"; empty: no icon
        QString bottomLeftPicture = QStringLiteral("border_left_corners.bmp");
        QString bottomRightPicture = QStringLiteral("border_right_corners.bmp");
        QString focusFlagName;     // "ContentsFocus", "Test1Focus": the name of focusFlag()
        int fixedCentreWidth = 0;  // practice windows: 30000
        // The main window is made before its start-up writes the pictures out: it reads them
        // only when loadSkin() is called.
        bool picturesWrittenLater = false;
    };

    enum class Piece { TopLeft, TopCentre, TopRight, Left, Right, BotLeft, Bot, BotRight };

    // The frame of the program's dialogs (the pop-up, the printer form).
    static Skin DialogSkin(const QString& graphicsFolder);

    explicit SkinnedWindow(const Skin& skin, QWidget* parent = nullptr,
                           Qt::WindowFlags extraFlags = {});
    ~SkinnedWindow() override;

    // Title label text and the window caption.
    void setTitleText(const QString& text);

    QLabel* titleLabel() const { return m_title; }
    QLabel* iconImage() const { return m_icon; }  // null without an icon
    SkinnedButton* closeButton() const { return m_close; }
    SkinnedButton* minimiseButton() const { return m_minimise; }
    SkinnedButton* maximiseButton() const { return m_maximise; }  // practice windows only
    QLabel* piece(Piece which) const;
    CaptionDrag* captionDrag() const { return m_drag; }

    // (Re)reads every frame picture from the graphics folder, for a window made before the
    // pictures were written out.
    void loadSkin();

    // Lays out frame, title strip and content and re-applies the outline. Runs on every resize.
    void relayout();
    // The area inside the frame: below the top pieces, between the edges, above the bottom.
    QRect innerArea() const;

    // Active / inactive skin; normally driven by the window system's activation events.
    void setSkinActive(bool active);
    bool skinActive() const { return m_active; }
    // The window's focus flag ("1" active, "0" not) and its name ("ContentsFocus", "Test1Focus").
    QString focusFlag() const { return m_active ? QStringLiteral("1") : QStringLiteral("0"); }
    QString focusFlagName() const { return m_skin.focusFlagName; }

    // A skin picture by file name, cached.
    QPixmap picture(const QString& name) const;
    QString graphicsFolder() const { return m_skin.graphicsFolder; }

    // Brings the frame pieces and the title strip in front of any content.
    void raiseFrame();

    // Maximise and restore placed by the program itself, so they also work without a window
    // manager: maximising remembers the normal geometry and fills the screen's available area,
    // restoring puts the remembered geometry back. Both do nothing while minimised.
    void maximiseWindow();
    void restoreWindow();
    bool isMaximisedWindow() const { return windowState() & Qt::WindowMaximized; }
    QRect normalWindowGeometry() const { return m_normalGeometry; }

  protected:
    virtual void layoutContent() {}
    virtual void closeButtonClicked();
    virtual void skinStateChanged(bool /*active*/) {}

    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    const Skin& skin() const { return m_skin; }
    // The title-bar buttons, in the order Tab should reach them after the window's own controls.
    QList<SkinnedButton*> titleButtons() const;

  private:
    void loadFramePictures();
    void applyTopPictures();
    void setPicture(QLabel* label, const QString& name);
    void maximiseButtonClicked();
    void showMaximisePicture();
    void watchNativeWindow();
    void placeTitleButtonsLast();
    void dropStaleMinimised();

    Skin m_skin;
    bool m_picturesReady = false;
    bool m_active = false;
    QLabel* m_pieces[8] = {};
    QLabel* m_title = nullptr;
    QLabel* m_icon = nullptr;
    SkinnedButton* m_close = nullptr;
    SkinnedButton* m_minimise = nullptr;
    SkinnedButton* m_maximise = nullptr;
    CaptionDrag* m_drag = nullptr;
    QRect m_normalGeometry;
    QPointer<QWindow> m_watchedWindow;  // native window whose presses end a stale minimise
};
