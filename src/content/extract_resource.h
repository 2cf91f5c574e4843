#pragma once
// Copies one item of the embedded course package to a file.

#include <QByteArray>
#include <QString>

// Writes the bytes of resource (id, type) to `path` so that the file holds exactly those bytes
// (replacing a longer file whole, atomically). Returns 0 on success, a non-zero code when the
// resource does not exist or the file cannot be written. Never shows a message.
// The only type is "Custom".
int ExtractResource(int id, const QString& type, const QString& path);

// True when the package holds the id.
bool ResourceExists(int id);

// The bytes of a resource, or an empty array when it does not exist.
QByteArray ResourceBytes(int id);

// Makes <programFolder>/Graphics and writes the 89 skin pictures under their names.
void WriteGraphics(const QString& programFolder);
