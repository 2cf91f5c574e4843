#include "skin_names.h"

#include <array>

namespace {

// Ids 38 to 40 have no picture; the empty slots keep every later name at its id.
constexpr std::array<const char*, 92> kNames = {
    "about_off.bmp",
    "about_on.bmp",
    "about_pressed.bmp",
    "back_disabled.bmp",
    "back_off.bmp",
    "back_on.bmp",
    "back_pressed.bmp",
    "close_off.bmp",
    "close_on.bmp",
    "close_pressed.bmp",
    "forward_disabled.bmp",
    "forward_off.bmp",
    "forward_on.bmp",
    "forward_pressed.bmp",
    "home_off.bmp",
    "home_on.bmp",
    "home_pressed.bmp",
    "mark_disabled.bmp",
    "mark_off.bmp",
    "mark_on.bmp",
    "mark_pressed.bmp",
    "print_off.bmp",
    "print_on.bmp",
    "print_pressed.bmp",
    "report_off.bmp",
    "report_on.bmp",
    "report_pressed.bmp",
    "save_disabled.bmp",
    "save_off.bmp",
    "save_on.bmp",
    "save_pressed.bmp",
    "setup_off.bmp",
    "setup_on.bmp",
    "setup_pressed.bmp",
    "trash_off.bmp",
    "trash_on.bmp",
    "trash_pressed.bmp",
    "",
    "",
    "",
    "tabs_back_off.bmp",
    "tabs_back_on.bmp",
    "tabs_front_off.bmp",
    "tabs_front_on.bmp",
    "border_bot.bmp",
    "border_left.bmp",
    "border_left_corners.bmp",
    "border_right.bmp",
    "border_right_corners.bmp",
    "border_top_center.bmp",
    "border_top_left.bmp",
    "border_top_right.bmp",
    "border_white_top_center.bmp",
    "border_white_top_left.bmp",
    "border_white_top_right.bmp",
    "prog_blue_close.bmp",
    "prog_blue_max.bmp",
    "prog_blue_min.bmp",
    "prog_blue_norm.bmp",
    "prog_blueoff_close.bmp",
    "prog_blueoff_max.bmp",
    "prog_blueoff_min.bmp",
    "prog_blueoff_norm.bmp",
    "prog_white_close.bmp",
    "prog_white_max.bmp",
    "prog_white_min.bmp",
    "prog_white_norm.bmp",
    "loadbutton_on.bmp",
    "loadbutton_off.bmp",
    "button_off.bmp",
    "button_on.bmp",
    "button_pressed.bmp",
    "bottombg1.bmp",
    "bottombg2.bmp",
    "bottombg3.bmp",
    "bottombg4.bmp",
    "columnhead1.bmp",
    "columnhead2.bmp",
    "progressbar.bmp",
    "statusgrabber.bmp",
    "bullet.bmp",
    "Handle.bmp",
    "pen.bmp",
    "bar.bmp",
    "VTicon.ico",
    "pencil.ico",
    "hand.ico",
    "info_mark.gif",
    "Logo.gif",
    "instruction.gif",
    "Border_bot_left.gif",
    "Border_bot_right.gif",
};

}  // namespace

QList<int> SkinIds() {
    QList<int> ids;
    for (int id = 1; id <= static_cast<int>(kNames.size()); ++id) {
        if (!SkinFileName(id).isEmpty()) ids.append(id);
    }
    return ids;
}

QString SkinFileName(int id) {
    if (id < 1 || id > static_cast<int>(kNames.size())) return {};
    return QString::fromLatin1(kNames[static_cast<size_t>(id - 1)]);
}

SkinFormat SkinFormatOf(int id) {
    if (id >= 88) return SkinFormat::Gif;
    if (id >= 85) return SkinFormat::Ico;
    return SkinFormat::Bmp;
}
