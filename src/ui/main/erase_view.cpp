#include "ui/main/erase_view.h"

#include <QLabel>

#include "platform/cursor_hit.h"
#include "platform/units.h"
#include "ui/main/picture_button.h"

namespace {
const QString kButtonOff = QStringLiteral("button_off.bmp");
const QString kButtonOn = QStringLiteral("button_on.bmp");

QFont Arial(double points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
}  // namespace

EraseView::EraseView(const QString& graphicsFolder, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Body_Trash"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    resize(SizeTw(6015, 5655));

    auto text = [this](const QString& name, const QString& caption, QRect rect) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setFont(Arial(9));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(rect);
        return label;
    };
    m_offerText =
        text(QStringLiteral("Trashlbl1"),
             QStringLiteral("Click on the button below if you wish to erase all your past "
                            "results and reset the program."),
             RectTw(1080, 1320, 3855, 495));
    m_confirmText = text(QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"),
                         RectTw(2040, 1440, 1815, 255));
    m_doneText =
        text(QStringLiteral("Trashlbl3"), QStringLiteral("All your past results have been erased."),
             RectTw(1920, 1320, 2055, 495));

    auto button = [this, &graphicsFolder](const QString& name, const QString& caption, QRect rect) {
        auto* b = new PictureButton(name, graphicsFolder, this);
        b->setGeometry(rect);
        b->setScaledContents(true);
        auto* label = new QLabel(caption, b);
        label->setObjectName(name + QStringLiteral("lbl"));
        label->setFont(Arial(9, true));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, 0, rect.width(), rect.height());
        b->addCaption(label);
        return b;
    };
    m_trash =
        button(QStringLiteral("ButTrash"), QStringLiteral("Trash"), RectTw(2280, 1920, 1200, 375));
    m_no =
        button(QStringLiteral("ButTrash_No"), QStringLiteral("No"), RectTw(1560, 1920, 1200, 375));
    m_yes = button(QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"),
                   RectTw(3000, 1920, 1200, 375));

    connect(m_trash, &PictureButton::clicked, this, [this] { setState(State::Confirm); });
    connect(m_no, &PictureButton::clicked, this, [this] { setState(State::Offer); });
    connect(m_yes, &PictureButton::clicked, this, [this] { emit eraseConfirmed(); });

    loadPictures();
    setState(State::Offer);
}

void EraseView::loadPictures() {
    for (PictureButton* b : {m_trash, m_yes, m_no}) b->showPicture(kButtonOff);
}

void EraseView::setState(State state) {
    m_state = state;
    m_offerText->setVisible(state == State::Offer);
    m_trash->setVisible(state == State::Offer);
    m_confirmText->setVisible(state == State::Confirm);
    m_yes->setVisible(state == State::Confirm);
    m_no->setVisible(state == State::Confirm);
    m_doneText->setVisible(state == State::Done);
}

void EraseView::hover(QPoint globalCursor) {
    for (PictureButton* b : {m_trash, m_yes, m_no})
        b->showPicture(CursorOver(b, globalCursor) ? kButtonOn : kButtonOff);
}
