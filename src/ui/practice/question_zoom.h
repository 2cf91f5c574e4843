#pragma once
// The size of the question: Ctrl++ (also Ctrl+= and the keypad's +) and Ctrl+- make the question
// view's text and pictures larger and smaller in steps from 100 % to 300 %, Ctrl+0 (or the
// keypad's 0) puts them back; the answer sheet and the toolbar keep their size. The size is the
// learner's setting: kept for the next papers and the next start.

#include <QObject>
#include <QString>

class QuestionDocumentView;
class QWidget;

class QuestionZoom : public QObject {
    Q_OBJECT
  public:
    // Gives `window` the keys and `view` the size the settings of the learner's folder keep.
    QuestionZoom(QWidget* window, QuestionDocumentView* view, const QString& learnerFolder);

    void zoomIn();
    void zoomOut();
    void reset();

  private:
    void apply(int percent);

    QWidget* m_window;
    QuestionDocumentView* m_view;
    QString m_dataFolder;
};
