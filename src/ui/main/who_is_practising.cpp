#include "ui/main/who_is_practising.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"

namespace {

const QSize kFormSize(320, 300);
const QSize kButtonFallback(80, 25);
constexpr int kPadding = 12;

SkinnedButton* CaptionedButton(const QString& name, const QString& text, const QString& tip,
                               const QString& graphics, QWidget* parent) {
    auto* button = new SkinnedButton(name, graphics, parent);
    button->setLook(SkinnedButton::PlainLook());
    button->setFixedSize(button->sizeHint().isValid() ? button->sizeHint() : kButtonFallback);
    auto* caption = new QLabel(text, button);
    caption->setObjectName(name + QStringLiteral("_lbl"));
    caption->setFont(ArialFont(8.25));
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(0, 0, button->width(), button->height());
    button->addCaption(caption);
    button->setToolTipEverywhere(tip);
    return button;
}

}  // namespace

FrmWho::FrmWho(const QString& graphicsFolder, const QStringList& names, int byDefault)
    : SkinnedWindow(DialogSkin(graphicsFolder), nullptr, Qt::Dialog) {
    setObjectName(QStringLiteral("frmWho"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    PaintGround(this, kSkinSurface);
    setTitleText(tr("Who is practising?"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(tr("Choose your name and press Enter."));

    m_body = new QWidget(this);
    auto* column = new QVBoxLayout(m_body);
    column->setContentsMargins(0, 0, 0, 0);
    auto* prompt = new QLabel(tr("&Choose your name:"), m_body);
    prompt->setObjectName(QStringLiteral("lblWho"));
    prompt->setFont(ArialFont(9));
    m_list = new QListWidget(m_body);
    m_list->setObjectName(QStringLiteral("lstWho"));
    m_list->setFont(ArialFont(11));
    m_list->setAccessibleName(tr("Learners"));
    m_list->setAccessibleDescription(tr("The learner who practised last is chosen; Enter starts."));
    m_list->addItems(names);
    m_list->setCurrentRow(qBound(0, byDefault, int(names.size()) - 1));
    prompt->setBuddy(m_list);
    connect(m_list, &QListWidget::itemActivated, this, [this] { finish(true); });

    auto* row = new QHBoxLayout;
    row->addStretch();
    m_practise =
        CaptionedButton(QStringLiteral("butWhoOK"), tr("Practise"),
                        tr("Practise as the learner chosen (Enter)"), graphicsFolder, m_body);
    m_quit = CaptionedButton(QStringLiteral("butWhoQuit"), tr("Close"),
                             tr("Close the program (Escape)"), graphicsFolder, m_body);
    connect(m_practise, &SkinnedButton::clicked, this, [this] { finish(true); });
    connect(m_quit, &SkinnedButton::clicked, this, [this] { finish(false); });
    row->addWidget(m_practise);
    row->addWidget(m_quit);
    column->addWidget(prompt);
    column->addWidget(m_list, 1);
    column->addLayout(row);
    setTabOrder(m_list, m_practise);
    setTabOrder(m_practise, m_quit);
    resize(kFormSize);
    relayout();
}

void FrmWho::layoutContent() {
    if (m_body)
        m_body->setGeometry(innerArea().adjusted(kPadding, kPadding / 2, -kPadding, -kPadding));
}

int FrmWho::exec() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    m_list->setFocus(Qt::ActiveWindowFocusReason);
    if (!m_closed) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    return m_chosen ? m_list->currentRow() : -1;
}

void FrmWho::finish(bool chosen) {
    if (m_closed) return;
    m_chosen = chosen && m_list->currentRow() >= 0;
    close();
}

void FrmWho::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            finish(true);
            return;
        case Qt::Key_Escape:
            finish(false);
            return;
        default:
            SkinnedWindow::keyPressEvent(event);
    }
}

void FrmWho::closeEvent(QCloseEvent* event) {
    m_closed = true;
    if (m_loop) m_loop->quit();
    SkinnedWindow::closeEvent(event);
}

int AskWhoIsPractising(const QString& graphicsFolder, const QStringList& names, int byDefault) {
    FrmWho form(graphicsFolder, names, byDefault);
    return form.exec();
}
