#include "platform/toolkit_warm_up.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <system_error>

namespace {
// No thread to be had only means the GUI thread does the work when it first needs it.
template <typename Work>
std::future<void> BeginOnThread(Work work) {
    try {
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        return {};
    }
}
}  // namespace

ToolkitWarmUp::ToolkitWarmUp()
    : m_fonts(BeginOnThread([] { QFontDatabase::families(); })),
      m_sessionBus(BeginOnThread([] { QDBusConnection::sessionBus(); })) {}

ToolkitWarmUp::~ToolkitWarmUp() = default;
