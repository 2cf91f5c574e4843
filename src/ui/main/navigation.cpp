#include "ui/main/navigation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSysInfo>
#include <cmath>

ViewAction DispatchView(int tab, int slot) {
    if (IsModuleNumber(tab)) {
        switch (slot) {
            case 1:
                return ViewAction::Home;
            case 2:
                return ViewAction::Report;
            case 3:
                return ViewAction::Print;
            case 4:
                return ViewAction::Close;
            default:
                return ViewAction::None;
        }
    }
    if (tab == kHelpTab) {
        switch (slot) {
            case 1:
                return ViewAction::About;
            case 2:
                return ViewAction::Trash;
            case 4:
                return ViewAction::PrinterSetup;
            default:
                return ViewAction::None;
        }
    }
    return ViewAction::None;
}

namespace {
struct SlotText {
    const char* caption;
    const char* tooltip;
    const char* pictures;  // picture name stem
};
// Slots 1 to 4 on a module tab page, then on the Help tab (slot 3 has none there). Each tooltip
// is built from its caption.
constexpr SlotText kModuleSlots[4] = {
    {QT_TRANSLATE_NOOP("MainToolbar", "Home"), QT_TRANSLATE_NOOP("MainToolbar", "Load Home page"),
     "home"},
    {QT_TRANSLATE_NOOP("MainToolbar", "Report"),
     QT_TRANSLATE_NOOP("MainToolbar", "Load Report card"), "report"},
    {QT_TRANSLATE_NOOP("MainToolbar", "Print"), QT_TRANSLATE_NOOP("MainToolbar", "Print results"),
     "print"},
    {QT_TRANSLATE_NOOP("MainToolbar", "Close"), QT_TRANSLATE_NOOP("MainToolbar", "Close program"),
     "close"}};
constexpr SlotText kHelpSlots[4] = {
    {QT_TRANSLATE_NOOP("MainToolbar", "About"), QT_TRANSLATE_NOOP("MainToolbar", "About Vantora"),
     "about"},
    {QT_TRANSLATE_NOOP("MainToolbar", "Trash"),
     QT_TRANSLATE_NOOP("MainToolbar", "Trash past results"), "trash"},
    {nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("MainToolbar", "Setup"), QT_TRANSLATE_NOOP("MainToolbar", "Printer Setup"),
     "setup"}};
}  // namespace

ToolbarSlotLook ToolbarSlot(int slot, bool helpTab) {
    ToolbarSlotLook look;
    if (slot < 1 || slot > 4) {
        look.visible = false;
        return look;
    }
    const SlotText& text = (helpTab ? kHelpSlots : kModuleSlots)[slot - 1];
    if (!text.caption) {
        look.visible = false;
        return look;
    }
    look.caption = QCoreApplication::translate("MainToolbar", text.caption);
    look.tooltip = QCoreApplication::translate("MainToolbar", text.tooltip);
    const QString stem = QString::fromLatin1(text.pictures);
    look.normal = stem + QStringLiteral("_off.bmp");
    look.hovered = stem + QStringLiteral("_on.bmp");
    look.pressed = stem + QStringLiteral("_pressed.bmp");
    return look;
}

std::array<int, kHelpTab> TabLefts(const std::array<bool, kModuleCount>& moduleExists,
                                   const std::array<int, kHelpTab>& tabWidths, int start) {
    std::array<int, kHelpTab> lefts{};
    int running = start;
    for (int m = 0; m < kModuleCount; ++m) {
        if (moduleExists[static_cast<size_t>(m)]) {
            lefts[static_cast<size_t>(m)] = running;
            running += tabWidths[static_cast<size_t>(m)] - 4;
        } else {
            lefts[static_cast<size_t>(m)] = -tabWidths[static_cast<size_t>(m)];
        }
    }
    lefts[kHelpTab - 1] = running;
    return lefts;
}

int TabTop(int stripTop, int tabHeight, bool active) {
    // 2.5 and 0.5 pixels, rounded the way a pixel position is snapped (half up).
    const double top = stripTop - tabHeight + (active ? 0.5 : 2.5);
    return static_cast<int>(std::floor(top + 0.5));
}

ReportBarLayout LayoutReportBars(int reportPos, int height, const QList<int>& barHeights) {
    ReportBarLayout l;
    int top = 0;
    for (qsizetype i = 0; i < reportPos && i < barHeights.size(); ++i) {
        l.barTops.append(top);
        top += barHeights.at(i);
    }
    l.panelTop = top;
    int bottom = height;
    QList<int> lower;
    for (qsizetype i = barHeights.size() - 1; i >= reportPos; --i) {
        bottom -= barHeights.at(i);
        lower.prepend(bottom);
    }
    l.barTops += lower;
    l.panelHeight = bottom - top;
    return l;
}

double ScoreValue(const QString& text) {
    // A number at the start of the text, the rest ignored; no number reads as 0.
    static const QRegularExpression leading(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    const QRegularExpressionMatch m = leading.match(text);
    if (!m.hasMatch()) return 0.0;
    bool ok = false;
    const double v = m.captured(0).trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

PaperSlotLook ArrangePaperSlot(const QString& firstScore, const QString& secondScore) {
    PaperSlotLook look;
    if (!firstScore.isEmpty()) {
        look.firstScoreRightAligned = true;
        look.tryAgainShown = ScoreValue(firstScore) <= 99.0;
    }
    look.secondScoreRightAligned = !secondScore.isEmpty();
    return look;
}

QString PlatformCaption() {
#if defined(Q_OS_LINUX)
    const QString platform = QStringLiteral("Linux");
#elif defined(Q_OS_MACOS)
    const QString platform = QStringLiteral("macOS");
#elif defined(Q_OS_WIN)
    const QString platform = QStringLiteral("Windows");
#else
    const QString platform = QSysInfo::productType();
#endif
    return QCoreApplication::translate("AboutView", "For %1").arg(platform);
}
