#include "ui/main/navigation.h"

#include <QRegularExpression>
#include <QSysInfo>
#include <cmath>

ViewAction DispatchView(int tab, int slot) {
    if (tab >= 1 && tab <= 3) {
        switch (slot) {
            case 1: return ViewAction::Home;
            case 2: return ViewAction::Report;
            case 3: return ViewAction::Print;
            case 4: return ViewAction::Close;
            default: return ViewAction::None;
        }
    }
    if (tab == 4) {
        switch (slot) {
            case 1: return ViewAction::About;
            case 2: return ViewAction::Trash;
            case 4: return ViewAction::PrinterSetup;
            default: return ViewAction::None;
        }
    }
    return ViewAction::None;
}

ToolbarSlotLook ToolbarSlot(int slot, bool helpTab) {
    ToolbarSlotLook look;
    QString base;
    if (!helpTab) {
        switch (slot) {
            case 1: look.caption = QStringLiteral("Home"); base = QStringLiteral("home");
                look.tooltip = QStringLiteral("Load ") + look.caption + QStringLiteral(" page"); break;
            case 2: look.caption = QStringLiteral("Report"); base = QStringLiteral("report");
                look.tooltip = QStringLiteral("Load ") + look.caption + QStringLiteral(" card"); break;
            case 3: look.caption = QStringLiteral("Print"); base = QStringLiteral("print");
                look.tooltip = look.caption + QStringLiteral(" results"); break;
            case 4: look.caption = QStringLiteral("Close"); base = QStringLiteral("close");
                look.tooltip = look.caption + QStringLiteral(" program"); break;
            default: look.visible = false; return look;
        }
    } else {
        switch (slot) {
            case 1: look.caption = QStringLiteral("About"); base = QStringLiteral("about");
                look.tooltip = look.caption + QStringLiteral(" Vantora"); break;
            case 2: look.caption = QStringLiteral("Trash"); base = QStringLiteral("trash");
                look.tooltip = look.caption + QStringLiteral(" past results"); break;
            case 4: look.caption = QStringLiteral("Setup"); base = QStringLiteral("setup");
                look.tooltip = QStringLiteral("Printer ") + look.caption; break;
            default: look.visible = false; return look;
        }
    }
    look.normal = base + QStringLiteral("_off.bmp");
    look.hovered = base + QStringLiteral("_on.bmp");
    look.pressed = base + QStringLiteral("_pressed.bmp");
    return look;
}

std::array<int, 4> TabLefts(const std::array<bool, 3>& moduleExists,
                            const std::array<int, 4>& tabWidths, int start) {
    std::array<int, 4> lefts{};
    int running = start;
    for (int m = 0; m < 3; ++m) {
        if (moduleExists[static_cast<size_t>(m)]) {
            lefts[static_cast<size_t>(m)] = running;
            running += tabWidths[static_cast<size_t>(m)] - 4;
        } else {
            lefts[static_cast<size_t>(m)] = -tabWidths[static_cast<size_t>(m)];
        }
    }
    lefts[3] = running;
    return lefts;
}

int TabTop(int stripTop, int tabHeight, bool active) {
    // 2.5 and 0.5 pixels, rounded the way a pixel position is snapped (half up).
    const double top = stripTop - tabHeight + (active ? 0.5 : 2.5);
    return static_cast<int>(std::floor(top + 0.5));
}

ReportBarLayout LayoutReportBars(int reportPos, int height, int h1, int h2, int h3) {
    ReportBarLayout l;
    l.bar1Top = 0;
    l.panelHeight = height - h1 - h2 - h3;
    switch (reportPos) {
        case 1:
            l.bar2Top = height - h3 - h2;
            l.bar3Top = height - h3;
            l.panelTop = h1;
            break;
        case 2:
            l.bar2Top = h1;
            l.bar3Top = height - h3;
            l.panelTop = h1 + h2;
            break;
        default:
            l.bar2Top = h1;
            l.bar3Top = h1 + h2;
            l.panelTop = h1 + h2 + h3;
            break;
    }
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
    return QStringLiteral("For Linux");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("For macOS");
#elif defined(Q_OS_WIN)
    return QStringLiteral("For Windows");
#else
    return QStringLiteral("For ") + QSysInfo::productType();
#endif
}
