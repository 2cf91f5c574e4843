#pragma once
// The one rule for what a stored field may hold. Record files are single-byte Latin-1 text
// whose fields have no quoting: a field can never hold the separator '>', the key sign '#', or
// a control character (line breaks among them: CR and LF would split the record, and TAB,
// ESC, DEL and the rest have no business in an answer), nor a character Latin-1 cannot hold.
// Answer boxes refuse what the rule refuses; writers drop it as a last line of defence.

#include <QChar>
#include <QString>

bool IsStorableFieldChar(QChar c);

// True when every character of `text` is storable.
bool IsStorableFieldText(const QString& text);

// `text` without the characters a field cannot hold.
QString StorableFieldText(const QString& text);
