#include "ui/main/overview_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

#include "platform/units.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/view_parts.h"

namespace {

constexpr int kLeft = 12, kTableTop = 40, kButtonsTop = 340;
constexpr int kTrendRowHeight = 44;

// Scores in the item's data for painting; its text stays for screen readers.
constexpr int kScoresRole = Qt::UserRole + 1;

class TrendDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        // The cell's ground and focus as any cell's, without its text (kept for screen readers).
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        QStyle* style = plain.widget ? plain.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
        QList<double> scores;
        for (const QVariant& v : index.data(kScoresRole).toList()) scores.append(v.toDouble());
        painter->save();
        PaintScoreTrend(*painter, QRectF(option.rect).adjusted(6, 5, -6, -5), scores);
        painter->restore();
    }
};

QString Scores(const QList<double>& scores) {
    QStringList texts;
    for (double s : scores) texts << QLocale().toString(s, 'g', 4);
    return texts.join(QStringLiteral(", "));
}

}  // namespace

void PaintScoreTrend(QPainter& painter, const QRectF& area, const QList<double>& scores) {
    painter.setRenderHint(QPainter::Antialiasing);
    // Line widths follow the area, so the line reads on a screen and on a page of 1200 dpi.
    const double pen = std::max(1.0, area.height() / 24);
    painter.setPen(QPen(kTrendGridColour, pen / 1.5));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(QPointF(area.left(), area.center().y()),
                     QPointF(area.right(), area.center().y()));
    if (scores.isEmpty()) return;
    const double step = scores.size() > 1 ? area.width() / double(scores.size() - 1) : 0;
    const double left = scores.size() > 1 ? area.left() : area.center().x();
    QPolygonF line;
    for (qsizetype i = 0; i < scores.size(); ++i)
        line << QPointF(left + step * double(i),
                        area.bottom() - area.height() * qBound(0.0, scores[i], 100.0) / 100.0);
    painter.setPen(QPen(kTrendLineColour, pen));
    painter.drawPolyline(line);
    painter.setBrush(kTrendLineColour);
    painter.setPen(Qt::NoPen);
    for (const QPointF& p : line) painter.drawEllipse(p, pen * 1.4, pen * 1.4);
}

QStringList OverviewView::rowCaptions() {
    return {tr("Papers marked"),  tr("1st attempt average"), tr("2nd attempt average"),
            tr("Last practised"), tr("Strongest topic"),     tr("Weakest topic"),
            tr("Recent scores")};
}

QStringList OverviewView::columnTexts(const LearnerOverview& l) {
    return {l.papersMarked,   l.firstAverage, l.secondAverage,       l.lastPractised,
            l.strongestTopic, l.weakestTopic, Scores(l.recentScores)};
}

OverviewView::OverviewView(const QString& graphicsFolder, QWidget* parent) : FamilyView(parent) {
    setObjectName(QStringLiteral("Body_Overview"));
    MakeWhiteGround(this);
    SetTextColour(this, Qt::black);
    resize(SizeTw(6015, 5655));
    setAccessibleName(tr("Overview"));

    QLabel* heading =
        MakeLabel(this, QStringLiteral("lblOverviewHead"), tr("Every learner side by side"),
                  QRect(kLeft, 10, width() - 2 * kLeft, 24), ArialFont(12, true));
    SetTextColour(heading, kSubHeadingText);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("tblOverview"));
    m_table->setGeometry(kLeft, kTableTop, width() - 2 * kLeft, kButtonsTop - kTableTop - 10);
    m_table->setFont(ArialFont(8.25));
    m_table->horizontalHeader()->setFont(ArialFont(9, true));
    m_table->verticalHeader()->setFont(ArialFont(8.25, true));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(true);
    m_table->setAccessibleName(tr("Learners side by side"));
    m_table->setAccessibleDescription(
        tr("One column for each learner; the arrows move from figure to figure."));
    m_table->setItemDelegateForRow(int(rowCaptions().size()) - 1, new TrendDelegate(m_table));
    QPalette pal = m_table->palette();
    pal.setColor(QPalette::Text, kReportValueText);
    m_table->setPalette(pal);

    m_print = MakePlainButton(this, QStringLiteral("butOverviewPrint"), tr("Print..."),
                              tr("Print the overview or save it as a PDF file"), graphicsFolder);
    m_export = MakePlainButton(this, QStringLiteral("butOverviewExport"), tr("Export..."),
                               tr("Save every learner's results as a CSV file for a spreadsheet"),
                               graphicsFolder);
    m_back = MakePlainButton(this, QStringLiteral("butOverviewBack"), tr("Learners"),
                             tr("Back to the learners"), graphicsFolder);
    int left = kLeft;
    for (SkinnedButton* b : {m_print, m_export, m_back}) {
        b->move(left, kButtonsTop);
        left += b->width() + 12;
    }
    connect(m_print, &SkinnedButton::clicked, this, &OverviewView::printClicked);
    connect(m_export, &SkinnedButton::clicked, this, &OverviewView::exportClicked);
    connect(m_back, &SkinnedButton::clicked, this, &OverviewView::backClicked);
}

void OverviewView::fill(const QList<LearnerOverview>& learners) {
    const QStringList captions = rowCaptions();
    m_table->clear();
    m_table->setRowCount(int(captions.size()));
    m_table->setColumnCount(int(learners.size()));
    m_table->setVerticalHeaderLabels(captions);
    QStringList names;
    for (const LearnerOverview& l : learners) names << l.name;
    m_table->setHorizontalHeaderLabels(names);
    for (int c = 0; c < learners.size(); ++c) {
        const QStringList texts = columnTexts(learners[c]);
        for (int r = 0; r < texts.size(); ++r) {
            auto* item = new QTableWidgetItem(texts[r]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(QStringLiteral("%1, %2: %3").arg(names[c], captions[r], texts[r]));
            if (r == texts.size() - 1) {
                QVariantList scores;
                for (double s : learners[c].recentScores) scores << s;
                item->setData(kScoresRole, scores);
            }
            m_table->setItem(r, c, item);
        }
    }
    m_table->resizeColumnsToContents();
    // Narrow columns share the width; wide names keep theirs and the table scrolls.
    const int available = m_table->width() - 2 * m_table->frameWidth() -
                          m_table->verticalHeader()->sizeHint().width();
    int used = 0;
    for (int c = 0; c < m_table->columnCount(); ++c) {
        const int w = qMin(m_table->columnWidth(c), 140);
        m_table->setColumnWidth(c, w);
        used += w;
    }
    if (m_table->columnCount() > 0 && used < available)
        for (int c = 0; c < m_table->columnCount(); ++c)
            m_table->setColumnWidth(c, available / m_table->columnCount());
    m_table->resizeRowsToContents();
    m_table->setRowHeight(int(captions.size()) - 1, kTrendRowHeight);
    if (m_table->rowCount() > 0 && m_table->columnCount() > 0) m_table->setCurrentCell(0, 0);
}

SkinnedButton* OverviewView::button(const QString& objectName) const {
    return findChild<SkinnedButton*>(objectName);
}

QList<QWidget*> OverviewView::focusChain() const {
    return {m_table, m_print, m_export, m_back};
}
