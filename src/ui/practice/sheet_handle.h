#pragma once
// The strip PicHideAns on the edge of the answer sheet and its handle ImgHandle, the button that
// hides or shows the sheet.

#include <QWidget>

class SkinnedButton;

class SheetHandle : public QWidget {
    Q_OBJECT
  public:
    SheetHandle(const QString& graphicsFolder, QWidget* parent);
    SkinnedButton* button() const { return button_; }
    // The tooltip and the name say what a press does next.
    void setSheetShown(bool shown);
    static constexpr int kStripWidth = 12;

  signals:
    void clicked();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    SkinnedButton* button_ = nullptr;
};
