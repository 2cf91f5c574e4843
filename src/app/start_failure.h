#pragma once
// Telling the learner why the program cannot start, before any of its own windows exist.

#include <QString>

// Logs `message` (hmquiz.app) and shows it in a plain message box; the skin is not written yet.
// On a platform nobody can see (offscreen, minimal) the log on the standard error is all, so a
// test or a script is never left waiting for a click.
void ReportStartFailure(const QString& message);

// False on a platform nobody can see (offscreen, minimal): nothing may wait for a click there.
bool ScreenCanShowMessages();
