#include "ui/practice/question_zoom.h"

#include <QShortcut>

#include "platform/document_zoom.h"
#include "platform/question_document_view.h"
#include "session/learner_settings.h"
#include "ui/frame/announcer.h"

QuestionZoom::QuestionZoom(QWidget* window, QuestionDocumentView* view, const QString& dataFolder)
    : QObject(window), m_window(window), m_view(view), m_dataFolder(dataFolder) {
    m_view->setZoom(StoredQuestionZoom(m_dataFolder));
    const auto keys = [this](std::initializer_list<QKeyCombination> combinations,
                             void (QuestionZoom::*action)()) {
        for (QKeyCombination key : combinations) {
            auto* shortcut = new QShortcut(QKeySequence(key), m_window);
            connect(shortcut, &QShortcut::activated, this, action);
        }
    };
    const Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
    keys({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, QKeyCombination(keypad, Qt::Key_Plus)},
         &QuestionZoom::zoomIn);
    keys({Qt::CTRL | Qt::Key_Minus, QKeyCombination(keypad, Qt::Key_Minus)},
         &QuestionZoom::zoomOut);
    keys({Qt::CTRL | Qt::Key_0, QKeyCombination(keypad, Qt::Key_0)}, &QuestionZoom::reset);
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
    KeepQuestionZoom(m_dataFolder, m_view->zoom());
    Announce(m_window, tr("Question text %1 percent").arg(m_view->zoom()));
}
