#include "ui/print/printer_form.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"

namespace {

const QSize kFormSize(400, 330);
const QSize kButtonFallback(80, 25);
constexpr int kBodyPadding = 12;

QLabel* FormLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(ArialFont(9));
    return label;
}

QString EntryText(const PrinterEntry& entry) {
    QString text = entry.name;
    if (!entry.description.isEmpty() && entry.description != entry.name)
        text = QStringLiteral("%1 - %2").arg(entry.name, entry.description);
    return entry.isDefault ? FrmPrinter::tr("%1 (default)").arg(text) : text;
}

int IndexOfSize(const QList<QPageSize>& sizes, const QPageSize& size) {
    if (!size.isValid()) return -1;
    for (int i = 0; i < sizes.size(); ++i)
        if (sizes[i].isEquivalentTo(size)) return static_cast<int>(i);
    return -1;
}

}  // namespace

FrmPrinter::FrmPrinter(const QString& graphicsFolder, PrinterFormMode mode, QWidget* parent)
    : SkinnedWindow(DialogSkin(graphicsFolder), parent ? parent->window() : nullptr, Qt::Dialog) {
    setObjectName(QStringLiteral("frmPrinter"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSkinSurface);
    setPalette(pal);
    setTitleText(mode == PrinterFormMode::Setup ? tr("Printer Setup") : tr("Print Question"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(mode == PrinterFormMode::Setup
                                 ? tr("Choose where the results and questions print until the "
                                      "program ends.")
                                 : tr("Choose where this question prints."));
    buildBody(mode);
    resize(kFormSize);
    relayout();
}

void FrmPrinter::buildBody(PrinterFormMode mode) {
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("PrinterBody"));
    auto* grid = new QGridLayout(m_body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(6);

    QLabel* printerLabel = FormLabel(QStringLiteral("lblPrinter"), tr("&Printer:"), m_body);
    m_printers = new QListWidget(m_body);
    m_printers->setObjectName(QStringLiteral("lstPrinters"));
    m_printers->setFont(ArialFont(9));
    m_printers->setAccessibleName(tr("Printer"));
    m_printers->setAccessibleDescription(
        tr("The printers of this computer, the default one marked, and Save as PDF"));
    printerLabel->setBuddy(m_printers);
    connect(m_printers, &QListWidget::currentRowChanged, this, [this] { printerChanged(); });
    connect(m_printers, &QListWidget::itemDoubleClicked, this, [this] { finish(true); });

    m_note = FormLabel(QStringLiteral("lblPrinterNote"), QString(), m_body);
    m_note->setWordWrap(true);

    QLabel* sizeLabel = FormLabel(QStringLiteral("lblPageSize"), tr("Page &size:"), m_body);
    m_pageSize = new QComboBox(m_body);
    m_pageSize->setObjectName(QStringLiteral("cboPageSize"));
    m_pageSize->setFont(ArialFont(9));
    m_pageSize->setAccessibleName(tr("Page size"));
    sizeLabel->setBuddy(m_pageSize);

    QLabel* orientationLabel =
        FormLabel(QStringLiteral("lblOrientation"), tr("Orientation:"), m_body);
    grid->addWidget(printerLabel, 0, 0, 1, 2);
    grid->addWidget(m_printers, 1, 0, 1, 2);
    grid->addWidget(m_note, 2, 0, 1, 2);
    grid->addWidget(sizeLabel, 3, 0);
    grid->addWidget(m_pageSize, 3, 1);
    grid->addWidget(orientationLabel, 4, 0);
    grid->addLayout(buildOrientation(), 4, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    grid->addLayout(buildButtons(mode), 5, 0, 1, 2);
}

QHBoxLayout* FrmPrinter::buildOrientation() {
    m_portrait = new QRadioButton(tr("P&ortrait"), m_body);
    m_portrait->setObjectName(QStringLiteral("optPortrait"));
    m_landscape = new QRadioButton(tr("&Landscape"), m_body);
    m_landscape->setObjectName(QStringLiteral("optLandscape"));
    for (QRadioButton* option : {m_portrait, m_landscape}) {
        option->setFont(ArialFont(9));
        option->setAccessibleDescription(tr("Page orientation"));
    }
    auto* orientation = new QButtonGroup(m_body);
    orientation->addButton(m_portrait);
    orientation->addButton(m_landscape);
    m_portrait->setChecked(true);
    auto* options = new QHBoxLayout;
    options->addWidget(m_portrait);
    options->addWidget(m_landscape);
    options->addStretch();
    return options;
}

QHBoxLayout* FrmPrinter::buildButtons(PrinterFormMode mode) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 6, 0, 0);
    row->setSpacing(10);
    row->addStretch();
    const QString texts[2] = {mode == PrinterFormMode::Setup ? tr("OK") : tr("Print"),
                              tr("Cancel")};
    const QString tips[2] = {tr("Use this choice (Enter)"),
                             tr("Keep the choice as it was (Escape)")};
    for (int i = 0; i < 2; ++i) {
        const QString name = i == 0 ? QStringLiteral("butOK") : QStringLiteral("butCancel");
        auto* button = new SkinnedButton(name, graphicsFolder(), m_body);
        button->setLook(SkinnedButton::PlainLook());
        button->setFixedSize(button->sizeHint().isValid() ? button->sizeHint() : kButtonFallback);
        auto* caption = new QLabel(texts[i], button);
        caption->setObjectName(name + QStringLiteral("_lbl"));
        caption->setFont(ArialFont(8.25));
        caption->setAlignment(Qt::AlignCenter);
        caption->setGeometry(0, 0, button->width(), button->height());
        button->addCaption(caption);
        button->setToolTipEverywhere(tips[i]);
        connect(button, &SkinnedButton::clicked, this, [this, i] { finish(i == 0); });
        row->addWidget(button);
        m_buttons[i] = button;
    }
    return row;
}

void FrmPrinter::layoutContent() {
    if (!m_body) return;  // still being built
    m_body->setGeometry(
        innerArea().adjusted(kBodyPadding, kBodyPadding / 2, -kBodyPadding, -kBodyPadding));
}

void FrmPrinter::offer(const QList<PrinterEntry>& printers, const PrintTarget& current) {
    m_entries = printers;
    const QSignalBlocker quiet(m_printers);
    m_printers->clear();
    int selected = -1;
    for (int i = 0; i < printers.size(); ++i) {
        auto* item = new QListWidgetItem(EntryText(printers[i]), m_printers);
        if (printers[i].isDefault) {
            QFont bold = m_printers->font();
            bold.setBold(true);
            item->setFont(bold);
            if (selected < 0) selected = i;
        }
    }
    new QListWidgetItem(tr("Save as PDF"), m_printers);
    if (current.kind == PrintTarget::Kind::Pdf || printers.isEmpty()) {
        selected = static_cast<int>(printers.size());
    } else {
        for (int i = 0; i < printers.size(); ++i)
            if (printers[i].name == current.printerName) selected = i;
        if (selected < 0) selected = 0;
    }
    m_printers->setCurrentRow(selected);
    (current.orientation == QPageLayout::Landscape ? m_landscape : m_portrait)->setChecked(true);
    printerChanged();
    if (current.pageSize.isValid()) {
        const int index = IndexOfSize(m_sizes, current.pageSize);
        if (index >= 0) m_pageSize->setCurrentIndex(index);
    }
}

bool FrmPrinter::pdfChosen() const {
    return m_printers->currentRow() < 0 || m_printers->currentRow() >= m_entries.size();
}

void FrmPrinter::printerChanged() {
    const QPageSize shown =
        m_pageSize->currentIndex() >= 0 ? m_sizes.value(m_pageSize->currentIndex()) : QPageSize();
    if (pdfChosen()) {
        m_note->setText(m_entries.isEmpty()
                            ? tr("No printer is installed. Prints are saved as PDF files; each "
                                 "print asks for the file name.")
                            : tr("Each print asks for the name of the PDF file."));
        fillPageSizes(PdfPageSizes(), shown.isValid() ? shown : LocaleDefaultPageSize());
        return;
    }
    const PrinterEntry& entry = m_entries[m_printers->currentRow()];
    m_note->setText(entry.isDefault ? tr("The default printer of this computer.") : QString());
    // A size the new printer also has stays chosen; otherwise the printer's own default.
    const QPageSize preferred =
        IndexOfSize(entry.pageSizes, shown) >= 0 ? shown : entry.defaultPageSize;
    fillPageSizes(entry.pageSizes, preferred);
}

void FrmPrinter::fillPageSizes(const QList<QPageSize>& sizes, const QPageSize& preferred) {
    m_sizes = sizes;
    m_pageSize->clear();
    for (const QPageSize& size : sizes) m_pageSize->addItem(size.name());
    m_pageSize->setCurrentIndex(std::max(0, IndexOfSize(sizes, preferred)));
}

PrintTarget FrmPrinter::choice() const {
    PrintTarget target;
    if (pdfChosen()) {
        target.kind = PrintTarget::Kind::Pdf;
    } else {
        target.kind = PrintTarget::Kind::Printer;
        target.printerName = m_entries[m_printers->currentRow()].name;
    }
    target.pageSize = m_sizes.value(m_pageSize->currentIndex());
    target.orientation = m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return target;
}

std::optional<PrintTarget> FrmPrinter::exec(QWidget* over) {
    QWidget* anchor = over ? over : parentWidget();
    if (anchor) {
        const QRect a = anchor->window()->frameGeometry();
        move(a.left() + (a.width() - width()) / 2, a.top() + (a.height() - height()) / 2);
    }
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    m_closed = false;
    m_accepted = false;
    show();
    raise();
    activateWindow();
    m_printers->setFocus(Qt::ActiveWindowFocusReason);
    if (!m_closed) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    if (!m_accepted) return std::nullopt;
    return choice();
}

void FrmPrinter::finish(bool accepted) {
    if (m_closed) return;
    m_accepted = accepted;
    close();
}

void FrmPrinter::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Reached when the focused control leaves Enter alone; a focused button takes its own.
            finish(true);
            return;
        case Qt::Key_Escape:
            finish(false);
            return;
        default:
            SkinnedWindow::keyPressEvent(event);
    }
}

void FrmPrinter::closeEvent(QCloseEvent* event) {
    m_closed = true;
    if (m_loop) m_loop->quit();
    SkinnedWindow::closeEvent(event);
}

std::optional<PrintTarget> ChoosePrintTarget(SkinnedWindow& over, PrinterFormMode mode) {
    FrmPrinter form(over.graphicsFolder(), mode, &over);
    form.offer(AvailablePrinters(), SessionPrintTarget());
    const std::optional<PrintTarget> chosen = form.exec(&over);
    over.activateWindow();
    if (chosen) SetSessionPrintTarget(*chosen);
    return chosen;
}
