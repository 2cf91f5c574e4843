#include "ui/main/report_view.h"

#include <QLabel>

#include "platform/units.h"
#include "ui/main/navigation.h"
#include "ui/main/picture_button.h"

ReportView::ReportView(const QString& graphicsFolder, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Body_Report"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    resize(SizeTw(6015, 5655));

    const char* const panelNames[3] = {"RC1Summary", "RC2Topical", "RC3Trend"};
    const char* const captions[3] = {"Overall Results", "Topical Results", "Trend Analysis"};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QWidget(this);
        m_panels[i]->setObjectName(QString::fromLatin1(panelNames[i]));
        m_panels[i]->setAutoFillBackground(true);
        m_panels[i]->setGeometry(0, 0, width(), 0);
    }
    for (int i = 0; i < 3; ++i) {
        m_bars[i] = new PictureButton(QStringLiteral("RCBar%1").arg(i + 1), graphicsFolder, this);
        m_bars[i]->setScaledContents(true);
        auto* caption = new QLabel(QString::fromLatin1(captions[i]), m_bars[i]);
        caption->setObjectName(QStringLiteral("lblRCBar%1").arg(i + 1));
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(9);
        f.setBold(true);
        caption->setFont(f);
        QPalette cp = caption->palette();
        cp.setColor(QPalette::WindowText, QColor(33, 52, 84));
        caption->setPalette(cp);
        m_bars[i]->addCaption(caption);
        connect(m_bars[i], &PictureButton::clicked, this, [this, i] { emit barClicked(i + 1); });
    }
    loadPictures();
    layoutSubViews(1);
}

QWidget* ReportView::bar(int index) const {
    return m_bars[index - 1];
}

void ReportView::loadPictures() {
    for (PictureButton* b : m_bars) {
        b->showPicture(QStringLiteral("bar.bmp"));
        const int h = b->pixmap().isNull() ? Px(330) : b->pixmap().height();
        b->setGeometry(0, b->y(), width(), h);
        auto* caption = b->findChild<QLabel*>();
        caption->setGeometry(8, 0, width() - 8, h);
    }
}

void ReportView::layoutSubViews(int reportPos) {
    if (reportPos < 1 || reportPos > 3) reportPos = 1;
    const ReportBarLayout l = LayoutReportBars(reportPos, height(), m_bars[0]->height(),
                                               m_bars[1]->height(), m_bars[2]->height());
    m_bars[0]->move(0, l.bar1Top);
    m_bars[1]->move(0, l.bar2Top);
    m_bars[2]->move(0, l.bar3Top);
    QWidget* open = m_panels[reportPos - 1];
    open->setGeometry(0, l.panelTop, width(), qMax(0, l.panelHeight));
    open->raise();
    for (PictureButton* b : m_bars) b->raise();
}
