#include "ui/practice/sheet_handle.h"

#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/practice/practice_actions.h"

SheetHandle::SheetHandle(const QString& graphicsFolder, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PicHideAns"));
    PaintGround(this, kSkinSurface);
    button_ = new SkinnedButton(QStringLiteral("ImgHandle"), graphicsFolder, this);
    const QString picture = QStringLiteral("Handle.bmp");
    button_->setLook({picture, picture, picture, picture});
    button_->sizeToPicture(QSize(10, 48));
    button_->setCursor(Qt::PointingHandCursor);
    connect(button_, &SkinnedButton::clicked, this, &SheetHandle::clicked);
    setSheetShown(true);
}

void SheetHandle::setSheetShown(bool shown) {
    const QString what = shown ? tr("Hide answer sheet") : tr("Show answer sheet");
    button_->setText(what);
    button_->setToolTipEverywhere(WithKeys(what, PracticeAction::ToggleSheet));
}

void SheetHandle::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    button_->move((width() - button_->width()) / 2,
                  std::max(0, (height() - button_->height()) / 2));
}
