// Registers the course package, linked in as one binary resource file, when the program
// starts; an object library so the linker keeps it although nothing names it.

#include <QResource>

extern "C" const unsigned char hm_package_data[];

namespace {

[[maybe_unused]] const bool kPackageRegistered = QResource::registerResource(hm_package_data);

}  // namespace
