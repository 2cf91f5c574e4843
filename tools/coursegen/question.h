#pragma once
// One generated question: its family and parameters, its HTML, its pictures and answer parts.

#include "fraction.h"
#include "rng.h"

#include <string>
#include <utility>
#include <vector>

struct Part {
    char kind = 'N';
    std::string key;
    int marks = 1;
};

// A picture described by the drawing primitives of course/FORMAT.md.
struct Figure {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::string> ops;

    void line(int x1, int y1, int x2, int y2, bool dash = false, bool thick = false);
    void poly(const std::vector<std::pair<int, int>>& pts, const std::string& fill = "",
              bool dash = false);
    void rect(int x, int y, int w, int h, const std::string& fill = "");
    void circle(int cx, int cy, int r, const std::string& fill = "");
    void arc(int cx, int cy, int r, int startDeg, int spanDeg);
    void text(int x, int y, char align, const std::string& s);
    void colour(const std::string& rgb);
};

struct Question {
    std::string family;
    std::vector<std::pair<std::string, std::string>> params;
    std::string html;
    std::vector<Figure> figures;
    std::vector<Part> parts;
    int level = 1;  // natural marks of a one-part question
};

// Builds a question in reading order: paragraphs, pictures, answer lines, parts.
class QB {
  public:
    QB(std::string family, int level);

    QB& param(const std::string& name, const std::string& value);
    QB& param(const std::string& name, std::int64_t value) {
        return param(name, std::to_string(value));
    }
    QB& param(const std::string& name, int value) { return param(name, std::to_string(value)); }
    QB& param(const std::string& name, const char* value) {
        return param(name, std::string(value));
    }
    QB& paramFrac(const std::string& name, const Frac& value) { return param(name, value.text()); }
    QB& paramDec(const std::string& name, const Frac& value) { return param(name, value.dec()); }

    QB& p(const std::string& html);
    QB& raw(const std::string& html);
    QB& note(const std::string& html);
    QB& answer(const std::string& units = "");
    // Adds a picture and the <img> that shows it; returns the figure to draw on.
    Figure& figure(int width, int height, const std::string& alt);
    QB& part(char kind, const std::string& key);

    // (a), (b), ... sub-questions: each item is its HTML and the units of its answer line.
    QB& subparts(const std::vector<std::pair<std::string, std::string>>& items);

    // A one-part question answered by a number, typed (kind N) or chosen from four (kind Q).
    // Units "$" or "dollars" make it a sum of money ("Answer: $________", options "$4.50").
    QB& number(Rng& r, char kind, const Frac& answer, const std::string& units,
               std::vector<Frac> wrong);
    // A one-part question answered by a word or text, typed (kind T) or chosen from four (Q).
    QB& choice(Rng& r, const std::string& right, std::vector<std::string> wrong);

    Question done();

  private:
    Question q_;
};

// Number as the learner reads it: the exact decimal, its whole part grouped in threes with
// non-breaking spaces from five digits on ("24&nbsp;118", "3456", "12&nbsp;345.25").
std::string num(const Frac& v);
// Money as the currency writes it: "$67.60", "$0.45", "$405", "$12&nbsp;500".
std::string money(const Frac& v);
// Money that always shows its cents: "$405.00" (bills and price lists).
std::string moneyCents(const Frac& v);
// A number and its unit joined so no line break falls between them: "18&nbsp;kg"; "%" and
// "&deg;" are written close up ("45%", "60&deg;"); "$" or "dollars" write money.
std::string qty(const Frac& v, const std::string& unit);
// "a" or "an" for the text that follows, by its sound: "an 18 kg weight", "an 8", "a 1",
// "an 11", "a unit", "an hour", "an L-shape".
std::string article(const std::string& next);
// The text with its article in front: "an 8&nbsp;kg weight".
std::string withArticle(const std::string& text);
// What QB::done() does to a question's HTML: groups whole numbers of five digits or more, joins
// a number to the unit after it and mends "a"/"an" before a number. Tags, entities, decimal
// places and keys are left alone.
std::string tidyHtml(const std::string& html);
// Fractions in running text are written 3/4 and 2 1/3, the form the learner types.
std::string fracHtml(const Frac& v);
std::string mixedHtml(const Frac& v);

// People in word problems.
const std::vector<std::string>& names();
std::pair<std::string, std::string> twoNames(Rng& r);
