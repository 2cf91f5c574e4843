#include "ui/main/about_view.h"

#include <QLabel>

#include "platform/units.h"
#include "ui/frame/practice_keys.h"
#include "ui/frame/skin_picture.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/family_view.h"
#include "ui/main/main_keys.h"
#include "ui/main/navigation.h"
#include "ui/main/view_parts.h"

namespace {
constexpr double kKeysTop = 4290, kKeysHeight = 1320;  // twips, below the link
constexpr double kKeysLine = 165;                      // twips, one line of the keys' text
}  // namespace

QUrl AboutView::MakersPage() {
    // A reserved name that belongs to nobody, standing in for the maker's site.
    return QUrl(QStringLiteral("http://www.vantora.example/eduprog.html"));
}

AboutView::AboutView(const QString& graphicsFolder, QWidget* parent)
    : MainView(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_About"));
    MakeWhiteGround(this);
    SetTextColour(this, Qt::black);
    resize(SizeTw(6015, 5655));

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Logo"));
    m_logo->setAccessibleName(tr("Logo"));
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setGeometry((width() - Px(1800)) / 2, Px(480), Px(1800), Px(1800));
    m_name = centred(QStringLiteral("ProgramName"), QString(), Px(2520), ArialFont(12, true));
    centred(QStringLiteral("lblVersion"), tr("Version 2.0"), Px(2940), ArialFont(9));
    centred(QStringLiteral("lblPlatform"), PlatformCaption(), Px(3240), ArialFont(9));

    // The address is a button: Tab reaches it, Enter or a click opens the page.
    m_link = new SkinnedButton(QStringLiteral("cmdLink"), m_folder, this);
    m_link->setGeometry(0, Px(3840), width(), Px(330));
    QLabel* text = centred(QStringLiteral("lblLink"), MakersPage().toString(), 0, ArialFont(9));
    text->setParent(m_link);
    text->setGeometry(m_link->rect());
    QFont linkFont = text->font();
    linkFont.setUnderline(true);
    text->setFont(linkFont);
    SetTextColour(text, kLinkText);
    m_link->addCaption(text);
    m_link->setAccessibleDescription(tr("Opens the maker's web page in the browser"));
    m_link->setCursor(Qt::PointingHandCursor);
    connect(m_link, &SkinnedButton::clicked, this, &AboutView::linkClicked);
    // The family's learners, in the corner above the logo.
    m_learners = MakePlainButton(
        this, QStringLiteral("butLearners"), tr("Learners..."),
        WithKey(tr("Who practises on this computer"), MainAction::Learners), m_folder);
    m_learners->move(width() - m_learners->width() - Px(180), Px(150));
    connect(m_learners, &SkinnedButton::clicked, this, &AboutView::learnersClicked);
    buildKeys();
}

QLabel* AboutView::centred(const QString& name, const QString& text, int top, const QFont& font) {
    QLabel* label = MakeLabel(this, name, text, QRect(0, top, width(), Px(330)), font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void AboutView::buildKeys() {
    const int half = width() / 2;
    const QString headings[2] = {MainWindowKeysHeading(), PaperKeysHeading()};
    const QString texts[2] = {MainWindowKeysText(), PaperKeysText()};
    const int lineHeight = Px(kKeysLine);
    for (int i = 0; i < 2; ++i) {
        const int left = i * half + Px(120), width = half - Px(180);
        MakeLabel(this, QStringLiteral("lblKeysHead%1").arg(i + 1), headings[i],
                  QRect(left, Px(kKeysTop), width, lineHeight), ArialFont(7, true));
        QLabel* keys =
            MakeLabel(this, QStringLiteral("lblKeys%1").arg(i + 1), texts[i],
                      QRect(left, Px(kKeysTop) + lineHeight, width, Px(kKeysHeight) - lineHeight),
                      ArialFont(7));
        keys->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void AboutView::loadPictures() {
    m_logo->setPixmap(SkinPicture(m_folder, QStringLiteral("Logo.gif")));
    const QPixmap hand = SkinPicture(m_folder, QStringLiteral("hand.ico"));
    if (!hand.isNull()) m_link->setCursor(QCursor(hand, 12, 2));
}

void AboutView::setProgramName(const QString& name) {
    m_name->setText(name);
}

QList<FocusStop> AboutView::focusStops() const {
    return {FocusStop{{m_learners}}, FocusStop{{m_link}}};
}
