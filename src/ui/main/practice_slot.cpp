#include "ui/main/practice_slot.h"

#include "ui/frame/ui_log.h"

bool PracticeSlot::open(const PracticeWindowFactory& factory, ContentsChannel& contents, int take) {
    if (!close() || !factory) return false;
    PracticeWindowHandle* handle = factory(contents, take);
    if (!handle || !handle->widget()) {
        qCWarning(lcUi) << "no practice window opened for attempt" << take;
        return false;
    }
    m_handle = handle;
    m_widget = handle->widget();
    if (!m_widget->isVisible()) m_widget->show();
    return true;
}

bool PracticeSlot::close() {
    // The window is deleted when it closes, so the handle is only used while it still exists.
    if (!m_widget) return true;
    if (!m_handle->unloadWithoutAsking()) return false;
    m_handle = nullptr;
    QPointer<QWidget> widget = std::exchange(m_widget, nullptr);
    if (widget && widget->isVisible()) widget->close();
    return true;
}
