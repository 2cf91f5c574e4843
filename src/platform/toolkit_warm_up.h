#pragma once
// Two things Qt does on the GUI thread the first time the main window needs them, each several
// milliseconds of a start: connecting to the desktop's session bus when a widget first names
// itself to the screen-reader bridge (longer when the bus must first be found through the X
// server), and reading the machine's fonts (fontconfig) when a text is first measured. Done as
// soon as the application exists, the first at once and the second as the first work of the
// start-up threads while the program checks its folder and builds its window.

#include <future>

class ToolkitWarmUp {
  public:
    ToolkitWarmUp();  // a machine without a session bus or fonts simply has less to do
    ~ToolkitWarmUp();  // waits for the fonts if they are still being read

    ToolkitWarmUp(const ToolkitWarmUp&) = delete;
    ToolkitWarmUp& operator=(const ToolkitWarmUp&) = delete;

  private:
    std::shared_future<void> m_fonts;
};
