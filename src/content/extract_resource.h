#pragma once
// Copies one item of the embedded course package to a file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "records/file_io.h"

enum class ExtractResult {
    Ok,
    UnknownType,     // a type other than "Custom"
    NoSuchResource,  // the package holds no item of that id
    CannotWrite,     // the file could not be written (folder missing, not writable, full disk...)
};

// Writes the bytes of resource (id, type) to `path` so that the file holds exactly those bytes
// (replacing a longer file whole, atomically; a file that already holds them is left alone).
// Failures are logged, never shown. The only type is "Custom". `sync` = FileSync::None for files
// that need not survive a power cut (pictures rewritten at every start, temporary tables).
ExtractResult ExtractResource(int id, const QString& type, const QString& path,
                              FileSync sync = FileSync::ToDisk);

// True when the package holds the id.
bool ResourceExists(int id);

// The bytes of a resource, or an empty array when it does not exist.
QByteArray ResourceBytes(int id);

// Makes <programFolder>/Graphics and writes the 89 skin pictures under their names, without a
// disk sync per picture (they are checked and rewritten at every start). Returns the paths that
// could not be written; empty when all are there.
QStringList WriteGraphics(const QString& programFolder);
