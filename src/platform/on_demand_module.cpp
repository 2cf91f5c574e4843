#include "platform/on_demand_module.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

#include <mutex>

#include "platform/platform_log.h"

namespace {

// The folder the modules are in: the build's own when this program was built there and is
// run from it, else the installed one beside the program.
QString ModuleFolder() {
    const QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString build = QStringLiteral(HM_BUILD_DIR "/");
    if (program.startsWith(build)) return QStringLiteral(HM_BUILD_MODULE_DIR);
    return QDir::cleanPath(QFileInfo(program).path() +
                           QStringLiteral("/" HM_MODULE_DIR_FROM_PROGRAM));
}

}  // namespace

const void* OnDemandModuleTable(const char* name, const char* entry, std::size_t tableSize) {
    static std::mutex mutex;
    static QHash<QByteArray, const void*> loaded;  // a module that failed is not tried again
    const std::lock_guard<std::mutex> lock(mutex);
    const QByteArray key = QByteArray(name) + '/' + entry;
    if (const auto found = loaded.constFind(key); found != loaded.cend()) return *found;

    const void*& table = loaded[key];
    // Never unloaded: what it returned may be in use until the program ends.
    QLibrary library(ModuleFolder() + QLatin1Char('/') + QString::fromLatin1(name) +
                     QStringLiteral(".so"));
    using Entry = const void* (*)();
    const auto function = reinterpret_cast<Entry>(library.resolve(entry));
    if (function == nullptr) {
        qCWarning(lcPlatform) << "the module" << name
                              << "cannot be loaded:" << library.errorString();
        return nullptr;
    }
    const void* given = function();
    if (given == nullptr || *static_cast<const std::size_t*>(given) != tableSize) {
        qCWarning(lcPlatform) << "the module" << library.fileName() << "belongs to another build";
        return nullptr;
    }
    table = given;
    return table;
}
