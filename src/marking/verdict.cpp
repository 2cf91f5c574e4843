#include "marking/verdict.h"

QString VerdictLetter(Verdict verdict) {
    switch (verdict) {
        case Verdict::Right:
            return QStringLiteral("Y");
        case Verdict::Wrong:
            return QStringLiteral("N");
        case Verdict::None:
            break;
    }
    return QString();
}

std::optional<Verdict> VerdictOfLetter(QStringView letter) {
    if (letter.isEmpty()) return Verdict::None;
    if (letter == u"Y") return Verdict::Right;
    if (letter == u"N") return Verdict::Wrong;
    return std::nullopt;
}
