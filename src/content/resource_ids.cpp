#include "content/resource_ids.h"

#include <array>
#include <string_view>

namespace {

// Ids 1 to 37, then 41 to 92.
constexpr std::array<std::string_view, 89> kGraphicNames = {
    "about_off.bmp", "about_on.bmp", "about_pressed.bmp", "back_disabled.bmp", "back_off.bmp",
    "back_on.bmp", "back_pressed.bmp", "close_off.bmp", "close_on.bmp", "close_pressed.bmp",
    "forward_disabled.bmp", "forward_off.bmp", "forward_on.bmp", "forward_pressed.bmp",
    "home_off.bmp", "home_on.bmp", "home_pressed.bmp", "mark_disabled.bmp", "mark_off.bmp",
    "mark_on.bmp", "mark_pressed.bmp", "print_off.bmp", "print_on.bmp", "print_pressed.bmp",
    "report_off.bmp", "report_on.bmp", "report_pressed.bmp", "save_disabled.bmp", "save_off.bmp",
    "save_on.bmp", "save_pressed.bmp", "setup_off.bmp", "setup_on.bmp", "setup_pressed.bmp",
    "trash_off.bmp", "trash_on.bmp", "trash_pressed.bmp",
    // 38 to 40 are not used.
    "tabs_back_off.bmp", "tabs_back_on.bmp", "tabs_front_off.bmp", "tabs_front_on.bmp",
    "border_bot.bmp", "border_left.bmp", "border_left_corners.bmp", "border_right.bmp",
    "border_right_corners.bmp", "border_top_center.bmp", "border_top_left.bmp",
    "border_top_right.bmp", "border_white_top_center.bmp", "border_white_top_left.bmp",
    "border_white_top_right.bmp", "prog_blue_close.bmp", "prog_blue_max.bmp",
    "prog_blue_min.bmp", "prog_blue_norm.bmp", "prog_blueoff_close.bmp", "prog_blueoff_max.bmp",
    "prog_blueoff_min.bmp", "prog_blueoff_norm.bmp", "prog_white_close.bmp",
    "prog_white_max.bmp", "prog_white_min.bmp", "prog_white_norm.bmp", "loadbutton_on.bmp",
    "loadbutton_off.bmp", "button_off.bmp", "button_on.bmp", "button_pressed.bmp",
    "bottombg1.bmp", "bottombg2.bmp", "bottombg3.bmp", "bottombg4.bmp", "columnhead1.bmp",
    "columnhead2.bmp", "progressbar.bmp", "statusgrabber.bmp", "bullet.bmp", "Handle.bmp",
    "pen.bmp", "bar.bmp", "VTicon.ico", "pencil.ico", "hand.ico", "info_mark.gif", "Logo.gif",
    "instruction.gif", "Border_bot_left.gif", "Border_bot_right.gif",
};

constexpr int kFirstGap = 38;
constexpr int kLastGap = 40;
constexpr int kLastGraphicId = 92;

}  // namespace

QList<int> GraphicIds() {
    QList<int> ids;
    for (int id = 1; id <= kLastGraphicId; ++id) {
        if (id < kFirstGap || id > kLastGap) ids.append(id);
    }
    return ids;
}

QString GraphicFileName(int id) {
    if (id < 1 || id > kLastGraphicId || (id >= kFirstGap && id <= kLastGap)) return {};
    const size_t index = static_cast<size_t>(id < kFirstGap ? id - 1 : id - 1 - (kLastGap - kFirstGap + 1));
    const std::string_view name = kGraphicNames[index];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
