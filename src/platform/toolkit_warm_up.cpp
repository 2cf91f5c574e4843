#include "platform/toolkit_warm_up.h"

#include <QDBusConnection>
#include <QFontDatabase>

#include "platform/start_up_threads.h"

ToolkitWarmUp::ToolkitWarmUp() {
    // The bus first, on this thread, before any thread of ours runs: without an address in the
    // environment libdbus starts a helper by forking, and a fork while another thread is inside
    // the allocator can leave the child stuck there before it runs the helper (seen under
    // AddressSanitizer), and the program waiting for it for good.
    QDBusConnection::sessionBus();
    // Without a start-up thread the fonts are read when a text is first measured.
    if (StartUpThreadsAvailable()) m_fonts = StartUpTask([] { QFontDatabase::families(); });
}

ToolkitWarmUp::~ToolkitWarmUp() {
    if (m_fonts.valid()) m_fonts.wait();
}
