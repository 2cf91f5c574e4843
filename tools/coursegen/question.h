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
    // What the worked solution's last line shows around the key: the units after it, or for a
    // multiple-choice part the option it names.
    std::string units;
    std::string chosen;
};

// A wrong option of a multiple-choice question and the slip that leads to it, written as what
// the option does: "is the perimeter, not the area", "adds the sides instead of multiplying
// them". The solution reads "Option 2 (34&nbsp;cm) is the perimeter, not the area."
struct Slip {
    Frac value;
    std::string why;
};
struct TextSlip {
    std::string text;
    std::string why;
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
    // The worked solution shown once the paper is marked: the steps, a sentence on each wrong
    // option, and one "Answer" line per part. Its pictures are in `figures` too, named sol<n>.gif.
    std::string solution;
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
    // Adds a picture and the <img> that shows it; returns the figure to draw on. The description
    // is what a learner who cannot see the picture hears instead: every number and label drawn on
    // it, and what the picture shows (which length is asked, the time on the clock, how many
    // parts are shaded), never the answer when the picture does not show it.
    Figure& figure(int width, int height, const std::string& description);
    QB& part(char kind, const std::string& key);
    // The units shown after the key in the solution's answer line of the next part, for a part
    // whose answer line the family wrote itself (answer(), subparts() and number() set them).
    QB& answerUnits(const std::string& units);

    // The worked solution, written as a teacher writes on the board: two to six short steps
    // naming the quantities, the arithmetic written out where a pupil would slip. The answer
    // lines and the wrong options' slips are added by done().
    QB& step(const std::string& html);
    // Working that is not a paragraph: a small table, a column sum.
    QB& working(const std::string& html);
    // A picture of the solution's own (a number line, a shaded diagram).
    Figure& solutionFigure(int width, int height, const std::string& description);

    // (a), (b), ... sub-questions: each item is its HTML and the units of its answer line.
    QB& subparts(const std::vector<std::pair<std::string, std::string>>& items);

    // A one-part question answered by a number, typed (kind N) or chosen from four (kind Q).
    // Units "$" or "dollars" make it a sum of money ("Answer: $________", options "$4.50").
    QB& number(Rng& r, char kind, const Frac& answer, const std::string& units,
               std::vector<Frac> wrong);
    // The same with the slip behind each wrong value, which the solution explains. Draws exactly
    // as the form without slips does.
    QB& number(Rng& r, char kind, const Frac& answer, const std::string& units,
               std::vector<Slip> wrong);
    // A one-part question answered by a word or text, typed (kind T) or chosen from four (Q).
    QB& choice(Rng& r, const std::string& right, std::vector<std::string> wrong);
    QB& choice(Rng& r, const std::string& right, std::vector<TextSlip> wrong);

    Question done();

  private:
    QB& choiceOf(Rng& r, const std::string& right, const std::vector<std::string>& wrong,
                 const std::vector<std::string>& whys);
    void addOptions(const std::vector<std::string>& texts, const std::vector<std::string>& whys,
                    std::size_t right);
    std::string finalLines() const;

    Question q_;
    std::vector<std::string> pendingUnits_;
    std::string steps_;
    std::string slips_;
};

// Wrong options of a multiple-choice number. A family draws again until its named slips give
// three options that stand as they are, so QB::number never has to make one up.
// Whether every wrong value stands: at least three, each positive, an exact decimal, not the
// answer and not another wrong one (and the answer itself positive and an exact decimal).
bool distinctWrong(const Frac& answer, const std::vector<Frac>& wrong);
bool distinctWrong(const Frac& answer, const std::vector<Slip>& wrong);
// Whether at least three of the candidates stand as above, for a family that lists more slips
// than it needs because some meet on some draws; for money each must also be whole cents.
bool enoughWrong(const Frac& answer, const std::vector<Frac>& candidates, bool money = false);
bool enoughWrong(const Frac& answer, const std::vector<Slip>& candidates, bool money = false);
// QB::number for a family's answer: money slips giving fractions of a cent are left out, and a
// kind Q with fewer than three real slips left throws instead of showing a made-up option.
QB& answerNumber(QB& q, Rng& r, char kind, const Frac& answer, const std::string& units,
                 const std::vector<Frac>& wrong);
QB& answerNumber(QB& q, Rng& r, char kind, const Frac& answer, const std::string& units,
                 const std::vector<Slip>& wrong);
// The values of slips, for the checks above.
std::vector<Frac> slipValues(const std::vector<Slip>& slips);
// Whether the value has an exact decimal (no factors but 2 and 5 in its denominator).
bool exactDecimal(const Frac& v);

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
// Whether units name money ("$" or "dollars"), which qty() and QB::number write as money.
bool isMoneyUnit(const std::string& units);
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

// Times of day, written one way throughout: 3.05 pm ("dot"); the other styles, "colon" 3:05pm
// and "caps" 3.05 PM, are no longer drawn. Times are minutes after midnight.
const std::vector<std::string>& timeStyles();
std::string clock12(int minutes, const std::string& style);
// The note that says how to write a time in that style; its example is never `answer`, so it
// cannot give the answer away.
std::string timeNote(const std::string& style, int answer = -1);
// Minutes after midnight as a parameter: "15:05".
std::string hhmm(int minutes);
// A time of day between 6 am and 9 pm that is neither noon nor midnight (either reads "12.00").
int dayTime(Rng& r);
bool clearOfNoonAndMidnight(int minutes);
// A length of time, numbers and units joined: "2&nbsp;hours 5&nbsp;minutes", "1&nbsp;hour".
std::string duration(int minutes);
// A count and its noun, singular for one: "1&nbsp;box", "3&nbsp;boxes".
std::string plural(long long n, const std::string& one, const std::string& many);

// Whole numbers below a million in words, British style: "forty thousand and six".
std::string numberWords(int n);
// "Bus" as "bus" (a table's heading used in a sentence); "a jacket" as "A jacket".
std::string lowerCase(std::string text);
std::string capitalised(std::string text);
// An algebraic term: "3a", and "a" for a coefficient of one.
std::string term(int coefficient, const std::string& letter);
// A ratio in its simplest form as the learner types it: {6, 4} gives "3:2"; any number of terms.
std::string simplestRatio(const std::vector<int>& terms);
// A ratio as a question prints it: "3 : 5".
std::string shownRatio(const std::string& a, const std::string& b);

// People in word problems.
const std::vector<std::string>& names();
std::pair<std::string, std::string> twoNames(Rng& r);
