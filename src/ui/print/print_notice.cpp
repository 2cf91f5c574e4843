#include "ui/print/print_notice.h"

#include <QAccessible>
#include <QMouseEvent>

#include "ui/frame/skin_style.h"

namespace {
constexpr int kBottomGap = 18;
constexpr int kSideGap = 24;
}  // namespace

PrintNotice::PrintNotice(QWidget* window) : QLabel(window) {
    setObjectName(QStringLiteral("PrintNotice"));
    setFont(ArialFont(9, true));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setMargin(8);
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("QLabel { background: #ffffff; color: %1; border: 2px solid %1;"
                                 " border-radius: 6px; }")
                      .arg(kFocusMarkColour.name()));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
}

PrintNotice* PrintNotice::showOver(QWidget* window, const QString& text, int shownMs) {
    for (PrintNotice* old : window->findChildren<PrintNotice*>(Qt::FindDirectChildrenOnly))
        old->close();
    auto* notice = new PrintNotice(window);
    notice->setText(text);
    notice->setAccessibleName(text);
    notice->place();
    notice->show();
    notice->raise();
    QAccessibleEvent alert(notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    notice->m_timer.start(shownMs);
    return notice;
}

void PrintNotice::place() {
    const QWidget* window = parentWidget();
    const int width = std::min(420, std::max(120, window->width() - 2 * kSideGap));
    const int height = heightForWidth(width);
    setGeometry((window->width() - width) / 2, window->height() - height - kBottomGap, width,
                height);
}

void PrintNotice::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}
