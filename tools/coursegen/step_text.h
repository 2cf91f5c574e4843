#pragma once
// Writing a worked solution's step so that it lays out well: a step that ends in a bare number
// ("... = 31.") keeps the number on the line of the sign or word before it, so no line of the
// solution starts with "31." alone.

#include "question.h"

#include <cctype>
#include <string>

inline std::string keepEndTogether(std::string html) {
    std::size_t end = html.size();
    if (end > 0 && html[end - 1] == '.') --end;
    std::size_t start = end;
    while (start > 0 && (std::isdigit(static_cast<unsigned char>(html[start - 1])) ||
                         html[start - 1] == '.' || html[start - 1] == ','))
        --start;
    if (start < end && std::isdigit(static_cast<unsigned char>(html[start])) && start > 0 &&
        html[start - 1] == ' ')
        html.replace(start - 1, 1, "&nbsp;");
    return html;
}

// QB::step for a step written with keepEndTogether.
inline QB& say(QB& q, const std::string& html) {
    return q.step(keepEndTogether(html));
}
