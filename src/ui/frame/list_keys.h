#pragma once
// Enter on a closed drop-down list opens it, as Space and Alt+Down do; the open list takes
// Enter as the choice, as always.

class QComboBox;

void OpenListOnEnter(QComboBox* list);
