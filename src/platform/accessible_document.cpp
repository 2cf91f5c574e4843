#include "platform/accessible_document.h"

#include <QAccessibleWidget>

#include "platform/question_document_view.h"

namespace {

class AccessibleDocument : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleDocument(QuestionDocumentView* view)
        : QAccessibleWidget(view, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return view()->spokenName();
        if (t == QAccessible::Value) return spoken();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    // QAccessibleTextInterface: the spoken text, read only, nothing selected.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString s = spoken();
        if (end < 0 || end > s.size()) end = int(s.size());
        if (start < 0 || start > end) return {};
        return s.mid(start, end - start);
    }
    int characterCount() const override { return int(spoken().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QuestionDocumentView* view() const { return static_cast<QuestionDocumentView*>(widget()); }
    QString spoken() const { return view()->spokenText(); }
};

QAccessibleInterface* DocumentFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QuestionDocumentView") && object)
        return new AccessibleDocument(static_cast<QuestionDocumentView*>(object));
    return nullptr;
}

}  // namespace

void InstallDocumentAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DocumentFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
