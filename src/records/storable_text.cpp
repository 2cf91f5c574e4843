#include "records/storable_text.h"

bool IsStorableFieldChar(QChar c) {
    const char16_t u = c.unicode();
    if (u > 0xFF) return false;
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) return false;  // C0, DEL and C1 controls
    return u != u'>' && u != u'#';
}

bool IsStorableFieldText(const QString& text) {
    for (QChar c : text) {
        if (!IsStorableFieldChar(c)) return false;
    }
    return true;
}

QString StorableFieldText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (IsStorableFieldChar(c)) out += c;
    }
    return out;
}
