#include "ui/main/about_view.h"

#include <QLabel>
#include <QMouseEvent>

#include "platform/picture_cache.h"
#include "platform/units.h"
#include "ui/main/navigation.h"

namespace {
QFont Arial(double points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
}  // namespace

QUrl AboutView::MakersPage() {
    // A reserved name that belongs to nobody, standing in for the maker's site.
    return QUrl(QStringLiteral("http://www.vantora.example/eduprog.html"));
}

AboutView::AboutView(const QString& graphicsFolder, QWidget* parent)
    : QWidget(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_About"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    resize(SizeTw(6015, 5655));
    const int w = width();

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Logo"));
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setGeometry((w - Px(1800)) / 2, Px(480), Px(1800), Px(1800));

    auto centred = [this, w](const QString& name, const QString& text, int top, const QFont& font) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, top, w, Px(330));
        return label;
    };
    m_name = centred(QStringLiteral("ProgramName"), QString(), Px(2520), Arial(12, true));
    centred(QStringLiteral("lblVersion"), QStringLiteral("Version 2.0"), Px(2940), Arial(9));
    centred(QStringLiteral("lblPlatform"), PlatformCaption(), Px(3240), Arial(9));
    m_link = centred(QStringLiteral("lblLink"), MakersPage().toString(), Px(3840), Arial(9));
    QFont linkFont = m_link->font();
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    QPalette lp = m_link->palette();
    lp.setColor(QPalette::WindowText, QColor(0, 0, 192));
    m_link->setPalette(lp);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);
    loadPictures();
}

void AboutView::loadPictures() {
    m_logo->setPixmap(LoadPicture(m_folder, QStringLiteral("Logo.gif")));
    const QPixmap hand = LoadPicture(m_folder, QStringLiteral("hand.ico"));
    if (!hand.isNull()) m_link->setCursor(QCursor(hand, 12, 2));
}

void AboutView::setProgramName(const QString& name) {
    m_name->setText(name);
}

bool AboutView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit linkClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
