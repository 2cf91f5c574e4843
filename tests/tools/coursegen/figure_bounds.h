#pragma once
// Whether a figure's primitives stay inside its frame, for the generator's drawing tests.

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "question.h"

namespace figurecheck {

// Every primitive that leaves the figure (a text by its anchor), in drawing order.
inline std::vector<std::string> outside(const Figure& f) {
    std::vector<std::string> bad;
    for (const std::string& op : f.ops) {
        std::istringstream in(op);
        std::string kind;
        in >> kind;
        std::vector<int> v;
        for (int n; in >> n;) v.push_back(n);
        auto inside = [&](double x, double y) {
            return x >= 0 && y >= 0 && x <= f.width && y <= f.height;
        };
        bool ok = true;
        if (kind == "line" || kind == "poly")
            for (std::size_t k = 0; k + 1 < v.size(); k += 2) ok = ok && inside(v[k], v[k + 1]);
        else if (kind == "text")
            ok = v.size() >= 2 && inside(v[0], v[1]);
        else if (kind == "rect")
            ok = v.size() >= 4 && inside(v[0], v[1]) && inside(v[0] + v[2], v[1] + v[3]);
        else if (kind == "circle")
            ok = v.size() >= 3 && inside(v[0] - v[2], v[1] - v[2]) &&
                 inside(v[0] + v[2], v[1] + v[2]);
        else if (kind == "arc")
            for (int a = v.size() >= 5 ? v[3] : 1; v.size() >= 5 && a <= v[3] + v[4]; a += 5)
                ok = ok && inside(v[0] + v[2] * std::cos(a * M_PI / 180),
                                  v[1] - v[2] * std::sin(a * M_PI / 180));
        if (!ok) bad.push_back(op);
    }
    return bad;
}

}  // namespace figurecheck
