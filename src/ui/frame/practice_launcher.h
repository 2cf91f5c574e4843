#pragma once
// How the main window opens and closes practice windows without depending on them: the
// application wires a factory in at start.

#include <QWidget>
#include <functional>

class ContentsChannel;

// Implemented by the practice window (objectName "Test1" or "Test2").
class PracticeWindowHandle {
  public:
    virtual ~PracticeWindowHandle() = default;
    virtual QWidget* widget() = 0;
    // Unload without asking (another paper opened, or the program closing). Typed answers of an
    // unmarked paper are saved silently first; the unload itself deletes the question file and
    // calls RefreshContents. Only when they cannot be saved is the learner asked, and may keep
    // the window open: false then, and nothing was unloaded.
    virtual bool unloadWithoutAsking() = 0;
};

// take: 1 first attempt, 2 second attempt. The window reads PaperNum and the other fields from
// the channel while loading and is shown non-modally. May return nullptr when it cannot open.
using PracticeWindowFactory =
    std::function<PracticeWindowHandle*(ContentsChannel& contents, int take)>;
