#pragma once
// Writing shared by the worked solutions of the Area and Perimeter and the Volume families.

#include "question.h"

#include <cctype>
#include <string>

// A step of the solution whose last word is a number ("... = 40.") keeps that number on the
// line before it, so no line of the solution holds a lone number.
inline void step(QB& q, std::string html) {
    const auto space = html.rfind(' ');
    if (space != std::string::npos && space + 1 < html.size()) {
        std::string last = html.substr(space + 1);
        for (auto at = last.find("&nbsp;"); at != std::string::npos; at = last.find("&nbsp;"))
            last.erase(at, 6);
        bool number = std::isdigit(static_cast<unsigned char>(last.front())) != 0;
        for (char c : last)
            number = number && (std::isdigit(static_cast<unsigned char>(c)) || c == '.');
        if (number) html.replace(space, 1, "&nbsp;");
    }
    q.step(html);
}

// "A cuboid 12 cm long, 5 cm wide and 4 cm high, ..." for the picture drawCuboid makes.
inline std::string cuboidDescription(int l, int w, int h) {
    return "A cuboid " + qty(l, "cm") + " long, " + qty(w, "cm") + " wide and " + qty(h, "cm") +
           " high: the length is marked along the bottom, the height up the left side and the "
           "width along the side going back.";
}

// The picture drawCuboidNet makes.
inline std::string netDescription(int l, int w, int h) {
    return "The net of a cuboid: a row of four rectangles, all " + qty(h, "cm") +
           " high (marked at the right end), with one rectangle above and one below the second "
           "of them. The rectangle above is " +
           qty(l, "cm") + " long, marked along its top, and " + qty(w, "cm") +
           " wide, marked at its left side.";
}

// "12 cm × 5 cm × 4 cm = 60 cm² × 4 cm = 240 cm³": a cuboid's volume, one product at a time.
inline std::string volumeChain(int l, int w, int h, const std::string& u = "cm") {
    return qty(l, u) + " &times; " + qty(w, u) + " &times; " + qty(h, u) + " = " +
           qty(l * w, u + "&sup2;") + " &times; " + qty(h, u) + " = " +
           qty(l * w * h, u + "&sup3;");
}
