#pragma once
// The practice windows as the main window opens them.

#include "ui/frame/practice_launcher.h"

// Makes Test1 (take 1) or Test2 and loads it; nullptr, after telling the learner, when the
// paper cannot be opened.
PracticeWindowFactory MakePracticeWindowFactory();
