#pragma once
// Opening a web page in the desktop's default browser.

#include <QUrl>

enum class BrowserLaunch { Opened, NoBrowser, Failed };

// NoBrowser when the desktop has no way to open web pages at all; Failed when it has one and it
// refused the address.
BrowserLaunch OpenInBrowser(const QUrl& url);
