#include "ui/main/learners_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "platform/units.h"
#include "session/learner_names.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/main_keys.h"
#include "ui/main/view_parts.h"

namespace {
// Pixels inside the view (401 x 377).
constexpr int kLeft = 16, kListTop = 72, kListWidth = 250, kListHeight = 150;
constexpr int kButtonsLeft = 290, kButtonPitch = 32;
constexpr int kNameTop = 238;
}  // namespace

LearnersView::LearnersView(const QString& graphicsFolder, QWidget* parent)
    : FamilyView(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_Learners"));
    MakeWhiteGround(this);
    SetTextColour(this, Qt::black);
    resize(SizeTw(6015, 5655));
    setAccessibleName(tr("Learners"));

    QLabel* heading = MakeLabel(this, QStringLiteral("lblLearnersHead"), tr("Learners"),
                                QRect(kLeft, 10, width() - 2 * kLeft, 24), ArialFont(12, true));
    SetTextColour(heading, kSubHeadingText);
    QLabel* intro = MakeLabel(this, QStringLiteral("lblLearnersIntro"),
                              tr("Each learner has results of their own. Choose who practises, "
                                 "or add, rename or remove a learner."),
                              QRect(kLeft, 34, width() - 2 * kLeft, 34), ArialFont(8.25));
    intro->setWordWrap(true);

    QLabel* listLabel = MakeLabel(this, QStringLiteral("lblLearnerList"), tr("L&earners:"),
                                  QRect(kLeft, kListTop - 2, kListWidth, 16), ArialFont(8.25));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstLearners"));
    m_list->setFont(ArialFont(10));
    m_list->setGeometry(kLeft, kListTop + 16, kListWidth, kListHeight - 16);
    m_list->setAccessibleName(tr("Learners"));
    m_list->setAccessibleDescription(tr("Enter practises as the learner chosen."));
    listLabel->setBuddy(m_list);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { updateButtons(); });
    connect(m_list, &QListWidget::itemActivated, this, [this] {
        if (chosen() >= 0) emit practiseClicked(chosen());
    });

    m_practise = MakePlainButton(this, QStringLiteral("butPractise"), tr("Practise"),
                                 tr("Practise as the learner chosen"), m_folder);
    m_remove =
        MakePlainButton(this, QStringLiteral("butRemoveLearner"), tr("Remove..."),
                        tr("Remove the learner chosen; the results are kept aside"), m_folder);
    m_overview =
        MakePlainButton(this, QStringLiteral("butOverview"), tr("Overview"),
                        WithKey(tr("Every learner side by side"), MainAction::Overview), m_folder);
    int top = kListTop + 16;
    for (SkinnedButton* b : {m_practise, m_remove, m_overview}) {
        b->move(kButtonsLeft, top);
        top += kButtonPitch;
    }
    connect(m_practise, &SkinnedButton::clicked, this, [this] {
        if (chosen() >= 0) emit practiseClicked(chosen());
    });
    connect(m_remove, &SkinnedButton::clicked, this, [this] {
        if (chosen() >= 0) emit removeClicked(chosen());
    });
    connect(m_overview, &SkinnedButton::clicked, this, &LearnersView::overviewClicked);

    QLabel* nameLabel = MakeLabel(this, QStringLiteral("lblLearnerName"), tr("&Name:"),
                                  QRect(kLeft, kNameTop + 4, 50, 18), ArialFont(9));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtLearnerName"));
    m_name->setFont(ArialFont(10));
    m_name->setGeometry(kLeft + 50, kNameTop, kListWidth - 50, 26);
    m_name->setMaxLength(kLearnerNameMaxLength + 10);
    m_name->setAccessibleName(tr("Name"));
    m_name->setAccessibleDescription(
        tr("A new learner's name, or the new name of the learner "
           "chosen. Enter adds a learner."));
    nameLabel->setBuddy(m_name);
    connect(m_name, &QLineEdit::returnPressed, this, [this] { emit addClicked(typedName()); });

    m_add = MakePlainButton(this, QStringLiteral("butAddLearner"), tr("Add"),
                            tr("Add a learner with the name typed"), m_folder);
    m_rename = MakePlainButton(this, QStringLiteral("butRenameLearner"), tr("Rename"),
                               tr("Give the learner chosen the name typed"), m_folder);
    m_add->move(kButtonsLeft, kNameTop);
    m_rename->move(kButtonsLeft, kNameTop + kButtonPitch);
    connect(m_add, &SkinnedButton::clicked, this, [this] { emit addClicked(typedName()); });
    connect(m_rename, &SkinnedButton::clicked, this, [this] {
        if (chosen() >= 0) emit renameClicked(chosen(), typedName());
    });

    m_note = MakeLabel(this, QStringLiteral("lblLearnerNote"), QString(),
                       QRect(kLeft, kNameTop + 2 * kButtonPitch + 4, width() - 2 * kLeft, 60),
                       ArialFont(9));
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(m_note, kSubHeadingText);
    updateButtons();
}

void LearnersView::setLearners(const QStringList& names, int practising) {
    const int keep = chosen();
    m_practising = practising;
    m_list->clear();
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QListWidgetItem(
            i == practising ? tr("%1 (practising now)").arg(names[i]) : names[i], m_list);
        if (i == practising) {
            QFont bold = m_list->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    m_list->setCurrentRow(keep >= 0 && keep < names.size() ? keep : qMax(0, practising));
    updateButtons();
}

int LearnersView::chosen() const {
    return m_list->currentRow();
}

QString LearnersView::typedName() const {
    return m_name->text();
}

void LearnersView::clearTypedName() {
    m_name->clear();
}

void LearnersView::setNote(const QString& text) {
    m_note->setText(text);
    // A screen reader hears the outcome where the keyboard is.
    m_list->setAccessibleDescription(text.isEmpty() ? tr("Enter practises as the learner chosen.")
                                                    : text);
    m_name->setAccessibleDescription(text);
}

QString LearnersView::note() const {
    return m_note->text();
}

SkinnedButton* LearnersView::button(const QString& objectName) const {
    return findChild<SkinnedButton*>(objectName);
}

void LearnersView::updateButtons() {
    const bool any = chosen() >= 0;
    m_practise->setEnabled(any && chosen() != m_practising);
    m_remove->setEnabled(any && m_list->count() > 1);
    m_rename->setEnabled(any);
}

QList<QWidget*> LearnersView::focusChain() const {
    return {m_list, m_practise, m_remove, m_overview, m_name, m_add, m_rename};
}
