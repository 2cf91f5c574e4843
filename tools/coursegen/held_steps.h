#pragma once
// A worked step whose result never starts a line alone: at the question view's width, "10 ÷ 4 =
// 2.5." could leave "2.5." on a line of its own, so the last number is held to the "=" and the
// number before it ("10 ÷ 4&nbsp;=&nbsp;2.5.").

#include "question.h"

#include <string>

namespace heldsteps {

inline std::string held(std::string html) {
    const auto last = html.rfind(' ');
    if (last == std::string::npos || last + 1 >= html.size()) return html;
    const char first = html[last + 1];
    if (!(first >= '0' && first <= '9') && first != '$') return html;
    html.replace(last, 1, "&nbsp;");
    // "= 2.5": hold the sign to the number before it as well.
    if (last >= 2 && html[last - 1] == '=' && html[last - 2] == ' ')
        html.replace(last - 2, 1, "&nbsp;");
    return html;
}

inline void addStep(QB& q, const std::string& html) {
    q.step(held(html));
}

}  // namespace heldsteps
