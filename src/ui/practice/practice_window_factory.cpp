#include "ui/practice/practice_window_factory.h"

#include "ui/frame/contents_channel.h"
#include "ui/frame/popup.h"
#include "ui/practice/practice_window.h"

PracticeWindowFactory MakePracticeWindowFactory() {
    return [](ContentsChannel& contents, int take) -> PracticeWindowHandle* {
        auto* window = new PracticeWindow(contents, take);
        if (window->LoadPractice()) return window;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        delete window;
        PopupNotice(*contents.contentsWindow(), PracticeWindow::tr("Vantora"),
                    PracticeWindow::tr("This paper cannot be opened."));
        return nullptr;
    };
}
