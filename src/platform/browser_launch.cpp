#include "platform/browser_launch.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QStandardPaths>

BrowserLaunch OpenInBrowser(const QUrl& url) {
    // Qt hands web addresses to xdg-open on these desktops; without it nothing opens the page.
    const bool desktop = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                         QGuiApplication::platformName() != QLatin1String("minimal");
    if (!desktop || QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return BrowserLaunch::NoBrowser;
    return QDesktopServices::openUrl(url) ? BrowserLaunch::Opened : BrowserLaunch::Failed;
}
