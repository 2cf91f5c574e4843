// hmquiz: a maths practice program. Everything starts with the main window.
#include <QApplication>
#include <QTimer>

#include "platform/program_folder.h"
#include "ui/main/contents.h"
#include "ui/practice/practice_window_factory.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmquiz"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));

    Contents contents(ProgramFolder(), MakePracticeWindowFactory());
    contents.startUp();
    contents.show();
    // Without a window manager nobody else gives the new window the focus.
    QTimer::singleShot(50, &contents, [&contents] { contents.activateWindow(); });
    return app.exec();
}
