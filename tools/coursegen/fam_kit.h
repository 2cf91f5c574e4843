#pragma once
// What the Percentage, Ratio, Rate and Algebra families share beyond question.h and drawing.h:
// times of day, durations, multiple-choice answers whose wrong options are checked, and the
// second file of each of those topics.

#include "drawing.h"
#include "families.h"

#include <string>
#include <vector>

// The families of a topic kept in its second file (tables, charts and pictures), added by the
// topic's add<Topic>().
void addPercentagePictures(std::vector<Family>& out);
void addRatioPictures(std::vector<Family>& out);
void addRatePictures(std::vector<Family>& out);
void addAlgebraPictures(std::vector<Family>& out);

namespace kit {

// Three ways a time of day may be asked for; the question names the one it wants.
const std::vector<std::string>& timeStyles();
// Minutes after midnight as a time of day: "3.05 pm" (dot), "3:05pm" (colon), "3.05 PM" (caps).
std::string clock12(int minutes, const std::string& style);
// The note that says how to write a time in that style; its example is never `answer` (minutes
// after midnight), so it cannot give the answer away.
std::string timeNote(const std::string& style, int answer = -1);
// Minutes after midnight as a parameter: "15:05".
std::string hhmm(int minutes);
// A length of time in words, number and unit joined: "2&nbsp;hours 5&nbsp;minutes", "1&nbsp;hour".
std::string duration(int minutes);
// A count and its noun, singular for one: "1&nbsp;box", "3&nbsp;boxes".
std::string count(long long n, const std::string& one, const std::string& many);
// A time of day neither noon nor midnight (either reads "12.00"), between 6 am and 9 pm.
int dayTime(Rng& r);
bool clearOfNoonAndMidnight(int minutes);

// Whether at least three of `wrong` could stand as options beside `answer`: positive, an exact
// decimal (to the cent for money), different from the answer and from each other.
bool enoughWrong(const Frac& answer, const std::vector<Frac>& wrong, bool money = false);
// QB::number for a family's answer: for kind Q it first makes sure three real mistakes stay
// distinct, so no option is ever a filler.
QB& answerNumber(QB& q, Rng& r, char kind, const Frac& answer, const std::string& units,
                 const std::vector<Frac>& wrong);

// Whether the value has an exact decimal (no factors but 2 and 5 in its denominator).
bool exactDecimal(const Frac& v);

// `cells` squares with `shaded` of them shaded at random places.
std::vector<bool> shadeSome(Rng& r, int cells, int shaded);

int pickInt(Rng& r, const std::vector<int>& v);

// A triangle with base angles a (at the left) and b (at the right), each of its three angles
// marked with an arc and the given label (left, right, top).
void drawTriangleMarked(Figure& f, int a, int b, const std::string& la, const std::string& lb,
                        const std::string& lc);

// A line graph: axes from 0 to xMax and 0 to yMax with gridlines and numbers every step, the
// axis titles, and straight segments joining the points (in the units of the axes).
void drawLineGraph(Figure& f, int xMax, int xStep, int yMax, int yStep, const std::string& xTitle,
                   const std::string& yTitle, const std::vector<std::pair<int, int>>& points);

// The text in lower case ("Bus" to "bus"), for a table's heading used in a sentence.
std::string lower(std::string text);

}  // namespace kit
