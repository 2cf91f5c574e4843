#include "platform/toolkit_warm_up.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <system_error>

ToolkitWarmUp::ToolkitWarmUp() {
    // The bus first, on this thread, before any thread of ours runs: without an address in the
    // environment libdbus starts a helper by forking, and a fork while another thread is inside
    // the allocator can leave the child stuck there before it runs the helper (seen under
    // AddressSanitizer), and the program waiting for it for good.
    QDBusConnection::sessionBus();
    try {
        m_fonts = std::async(std::launch::async, [] { QFontDatabase::families(); });
    } catch (const std::system_error&) {
        // No thread to be had: the fonts are read when a text is first measured.
    }
}

ToolkitWarmUp::~ToolkitWarmUp() = default;
