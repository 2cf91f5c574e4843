#pragma once
// The size of the question: the zoom keys of the practice window's key table make the question
// view's text and pictures larger and smaller in steps from 100 % to 300 % and put them back;
// the answer sheet and the toolbar keep their size. The size is the learner's setting: kept for
// the next papers and the next start.

#include <QObject>
#include <QString>

class QuestionDocumentView;
class QWidget;

class QuestionZoom : public QObject {
    Q_OBJECT
  public:
    // Gives `view` the size kept in the learner's folder; `window` hears the new size.
    QuestionZoom(QWidget* window, QuestionDocumentView* view, const QString& learnerFolder);

    void zoomIn();
    void zoomOut();
    void reset();

  private:
    void apply(int percent);

    QWidget* m_window;
    QuestionDocumentView* m_view;
    QString m_learnerFolder;
};
