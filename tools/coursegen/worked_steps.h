#pragma once
// Writing a worked solution's steps.

#include "question.h"

#include <string>

// A step whose last three words stay on one line, so that no line at 700 px holds a lone
// "12." cut from the end of its sentence.
inline void step(QB& q, std::string html) {
    for (int joined = 0; joined < 2; ++joined) {
        const auto at = html.rfind(' ');
        if (at == std::string::npos || at == 0) break;
        html.replace(at, 1, "&nbsp;");
    }
    q.step(html);
}
