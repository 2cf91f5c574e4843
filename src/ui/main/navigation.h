#pragma once
// The main window's navigation rules as plain data: which action a tab and toolbar slot stand
// for, what each toolbar slot says and shows on each page, where the module tabs go and how the
// report bars stack. No widgets.

#include <QList>
#include <QString>
#include <array>

#include "session/shared_fields.h"

enum class ViewAction { None, Home, Report, Print, Close, About, Trash, PrinterSetup };

// tab: a module's tab or kHelpTab; slot: the toolbar slot last chosen, 1 to 4.
ViewAction DispatchView(int tab, int slot);

struct ToolbarSlotLook {
    QString caption;
    QString tooltip;
    QString normal, hovered, pressed;  // picture file names
    bool visible = true;
};

// Slot 1 to 4 on a module tab page (helpTab false) or on the Help tab.
ToolbarSlotLook ToolbarSlot(int slot, bool helpTab);

// Left edges of Tab01 to Tab04: the tabs of existing modules from `start` on, each next one
// overlapping the previous by 4; a missing module's tab is moved out of sight (minus its width);
// the Help tab follows the module tabs.
std::array<int, kHelpTab> TabLefts(const std::array<bool, kModuleCount>& moduleExists,
                                   const std::array<int, kHelpTab>& tabWidths, int start = 2);

// Tops of the tabs: the active one stands 2 pixels higher than the others and reaches into the
// strip below it by half a pixel.
int TabTop(int stripTop, int tabHeight, bool active);

struct ReportBarLayout {
    QList<int> barTops;  // one per bar, in page order
    int panelTop = 0, panelHeight = 0;
};

// reportPos from 1: the open page's bar and the ones above it stack from the top, the rest from
// the bottom of a view of inner height `height`; the open panel fills the gap. `barHeights` has
// one entry per page.
ReportBarLayout LayoutReportBars(int reportPos, int height, const QList<int>& barHeights);

// What a paper slot of the Home view offers for its stored first and second scores.
struct PaperSlotLook {
    bool tryAgainShown = false;
    bool firstScoreRightAligned = false;
    bool secondScoreRightAligned = false;
};
PaperSlotLook ArrangePaperSlot(const QString& firstScore, const QString& secondScore);

// The leading number of a stored score, as the Home view compares it ("99.5" -> 99.5, "abc" -> 0).
double ScoreValue(const QString& text);

// "For Linux" and the like: the platform this build runs on.
QString PlatformCaption();
