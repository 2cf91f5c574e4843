#pragma once
// Focus marks are for keyboard users: they show once a key is pressed (or Tab moves the focus)
// and hide again when the mouse is pressed, so a mouse user sees the windows without them.

class QWidget;

// Starts following the application's input; once per run, later calls do nothing.
void WatchInputForFocusMarks();

// Whether `widget` should draw its focus mark now.
bool ShowsFocusMark(const QWidget* widget);
