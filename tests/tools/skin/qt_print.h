#pragma once
// Lets GoogleTest print Qt strings in failure messages.

#include <QString>
#include <ostream>

inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}
