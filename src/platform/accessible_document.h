#pragma once
// How a screen reader reads the question document view: a label whose name is the question's
// title followed by its spoken text (SpokenQuestionText), and whose text is that spoken text, so
// "5³" is heard as "5 cubed" and an option with its number. Qt's own reading of the view would
// give the characters on screen ("53") and, as a label, only its title.

class QuestionDocumentView;

// Installs the accessibility factory of the view once; the view calls it.
void InstallDocumentAccessibility();
