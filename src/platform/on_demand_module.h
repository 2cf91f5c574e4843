#pragma once
// What only printing and question documents need, the print system's client library and the
// MIME library with the thirty-odd libraries they pull in (TLS, Kerberos, GIO, ...), lives in
// modules of the program's own that are loaded the first time they are used: a start maps
// none of it. A module is looked for beside the program as installed, or in the build folder
// when the program runs from there.

#include <cstddef>

// The function table that module `name` gives through its entry function `entry`, the module
// loaded on the first call; null when it cannot be loaded or its table is not `tableSize` bytes
// (a module of another build), the reason logged once. A table begins with its own size.
const void* OnDemandModuleTable(const char* name, const char* entry, std::size_t tableSize);

template <typename Table>
const Table* OnDemandModule(const char* name, const char* entry) {
    return static_cast<const Table*>(OnDemandModuleTable(name, entry, sizeof(Table)));
}
