#pragma once
// Two things Qt does on the GUI thread the first time the main window needs them, each several
// milliseconds of a start: reading the machine's fonts (fontconfig) when a text is first
// measured, and connecting to the desktop's session bus when a widget first names itself to the
// screen-reader bridge (longer still when the bus must first be found through the X server).
// Both may be done from any thread; begun on threads of their own as soon as the application
// exists, they run while the program checks its folder and builds its window, and the GUI
// thread later finds them done (or waits only for the rest).

#include <future>

class ToolkitWarmUp {
  public:
    ToolkitWarmUp();  // begins both; a machine without fonts or a session bus has less to do
    ~ToolkitWarmUp();  // waits for what is still running

    ToolkitWarmUp(const ToolkitWarmUp&) = delete;
    ToolkitWarmUp& operator=(const ToolkitWarmUp&) = delete;

  private:
    std::future<void> m_fonts;
    std::future<void> m_sessionBus;
};
