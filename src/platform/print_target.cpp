#include "platform/print_target.h"

#include <QLocale>

namespace {

PrintTarget& Current() {
    static PrintTarget target;
    return target;
}

// Wide enough for any desktop printer's unprintable edge, narrow enough to leave a full page.
constexpr double kMarginMm = 15;

}  // namespace

QList<PrinterEntry> AvailablePrinters() {
    QList<PrinterEntry> entries;
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        PrinterEntry entry;
        entry.name = info.printerName();
        entry.description = info.description();
        entry.isDefault = entry.name == defaultName;
        entry.defaultPageSize = info.defaultPageSize();
        if (!entry.defaultPageSize.isValid()) entry.defaultPageSize = LocaleDefaultPageSize();
        entry.pageSizes = info.supportedPageSizes();
        if (entry.pageSizes.isEmpty()) entry.pageSizes.append(entry.defaultPageSize);
        entries.append(entry);
    }
    return entries;
}

QPageSize LocaleDefaultPageSize() {
    const bool letter = QLocale::system().measurementSystem() != QLocale::MetricSystem;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QList<QPageSize> PdfPageSizes() {
    QList<QPageSize> sizes = {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter),
                              QPageSize(QPageSize::Legal), QPageSize(QPageSize::A5),
                              QPageSize(QPageSize::A3)};
    const QPageSize usual = LocaleDefaultPageSize();
    sizes.removeIf([&](const QPageSize& size) { return size.id() == usual.id(); });
    sizes.prepend(usual);
    return sizes;
}

const PrintTarget& SessionPrintTarget() {
    return Current();
}

void SetSessionPrintTarget(const PrintTarget& target) {
    Current() = target;
}

QPrinterInfo ResolvePrinter(const PrintTarget& target) {
    if (target.kind != PrintTarget::Kind::Printer) return {};
    if (!target.printerName.isEmpty()) {
        const QPrinterInfo chosen = QPrinterInfo::printerInfo(target.printerName);
        if (!chosen.isNull()) return chosen;
    }
    return QPrinterInfo::defaultPrinter();
}

QPageLayout TargetPageLayout(const PrintTarget& target, const QPageSize& fallback) {
    const QPageSize size = target.pageSize.isValid() ? target.pageSize : fallback;
    return QPageLayout(size.isValid() ? size : LocaleDefaultPageSize(), target.orientation,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}
