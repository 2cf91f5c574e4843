#pragma once
// How a screen reader sees the program's windows: each skinned window is one frame (a dialog for
// the pop-up and the printer form), carrying the active state while it is the active window, and
// the strips and sheets inside it are panels. Left to Qt's defaults, a window would be a nameless
// filler and every QFrame in it a frame of its own, never active, so Orca would take the focus to
// be in an inactive window and stay silent.

// Installs the accessibility factory once; every skinned window calls it.
void InstallWindowAccessibility();
