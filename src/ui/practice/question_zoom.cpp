#include "ui/practice/question_zoom.h"

#include "platform/document_zoom.h"
#include "platform/question_document_view.h"
#include "session/learner_settings.h"
#include "ui/frame/announcer.h"

QuestionZoom::QuestionZoom(QWidget* window, QuestionDocumentView* view,
                           const QString& learnerFolder)
    : QObject(window), m_window(window), m_view(view), m_learnerFolder(learnerFolder) {
    m_view->setZoom(StoredQuestionZoom(m_learnerFolder));
}

void QuestionZoom::zoomIn() {
    apply(ZoomIn(m_view->zoom()));
}

void QuestionZoom::zoomOut() {
    apply(ZoomOut(m_view->zoom()));
}

void QuestionZoom::reset() {
    apply(kMinimumZoom);
}

void QuestionZoom::apply(int percent) {
    m_view->setZoom(percent);
    KeepQuestionZoom(m_learnerFolder, m_view->zoom());
    Announce(m_window, tr("Question text %1 percent").arg(m_view->zoom()));
}
