// Entry point of the widget tests: a QApplication on the offscreen platform unless a real display
// was asked for, and a private program folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataHome;
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME")) qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmquiz"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
