// Rate and Speed read from pictures and tables: clocks, a bus timetable, a train table, a travel
// graph, a table of distances, times and speeds, a chart of animal speeds and a table of cars'
// petrol.

#include "drawing.h"
#include "families.h"
#include "held_steps.h"
#include "rate_working.h"

#include <algorithm>

namespace {

using heldsteps::addStep;
using ratework::addSteps;
using ratework::clockText;
using ratework::clockWords;
using ratework::countBetween;
using ratework::countOn;
using ratework::distanceIn;
using ratework::joined;
using ratework::minutesText;
using ratework::minutesToGo;
using ratework::speedOver;
using ratework::sumOf;

std::string clockDescription(int minutes) {
    return "A clock face numbered 1 to 12 with minute marks; its hands show " +
           clockWords(minutes / 60, minutes % 60) + ".";
}

Question clockWalk(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::string style = r.pick(timeStyles());
    const bool morning = r.chance(60);
    int start, d, s, mins;
    do {
        start = (morning ? r.range(7, 10) : r.range(13, 17)) * 60 + r.range(0, 11) * 5;
        s = r.range(4, 6);  // walking
        d = r.range(2, 8);
        mins = 60 * d / s;
    } while ((60 * d) % s || mins > 100 || (morning && start + mins >= 12 * 60) ||
             !clearOfNoonAndMidnight(start + mins));
    QB q("clock_walk", 2);
    q.param("start", hhmm(start)).param("d", d).param("s", s).param("style", style);
    q.p("The clock shows the time " + who + " left home one " +
        (morning ? "morning" : "afternoon") + ". " + who + " walked " + qty(d, "km") +
        " to the park at " + qty(s, "km/h") + ".");
    drawClock(q.figure(170, 170, clockDescription(start)), start / 60, start % 60);
    const std::string left = "The clock shows " + clockWords(start / 60, start % 60) + " in the " +
                             (morning ? "morning" : "afternoon") + ", so " + who + " left at " +
                             clockText(start) + ".";
    if (k == "NT") {
        q.subparts(
            {{"How many minutes did the walk take?", "minutes"},
             {"At what time did " + who + " reach the park? " + timeNote(style, start + mins),
              ""}});
        addSteps(q, minutesToGo(d, s), "(a) ");
        addStep(q, "(b) " + left);
        addStep(q, countOn(start, mins, true));
        return q.part('N', S(mins)).part('T', clock12(start + mins, style)).done();
    }
    q.p("At what time did " + who + " reach the park?");
    q.note(timeNote(style, start + mins));
    q.answer();
    addStep(q, left);
    addSteps(q, minutesToGo(d, s));
    addStep(q, countOn(start, mins, true));
    return q.part('T', clock12(start + mins, style)).done();
}

Question clockSpeed(Rng& r, const std::string& k) {
    const std::string style = r.pick(timeStyles());
    int start, mins, s;
    std::vector<Slip> wrong;
    do {
        start = r.range(6, 10) * 60 + r.range(0, 11) * 5;
        mins = pickInt(r, {30, 40, 45, 50, 75, 80, 90, 100, 105, 120, 135, 150});
        s = r.range(8, 22) * 5;  // a train, 40-110 km/h
        const Frac misread(mins / 60 * 100 + mins % 60, 100);
        wrong = {{Frac(s * mins / 60, mins), "divides by the minutes, giving kilometres a minute"},
                 {Frac(s * mins / 60), "is the distance, not the speed"},
                 {Frac(s * mins / 60 * 100, mins / 60 * 100 + mins % 60),
                  "reads " + duration(mins) + " as " + misread.fixed(2) + " hours"}};
    } while ((s * mins) % 60 || start + mins >= 12 * 60 || !enoughWrong(s, wrong));
    const int d = s * mins / 60;
    QB q("clock_speed", 3);
    q.param("start", hhmm(start)).param("end", hhmm(start + mins)).param("d", d);
    q.p("The clock shows the time a train left the city one morning. It travelled " + qty(d, "km") +
        " and arrived at " + clock12(start + mins, style) + ".");
    drawClock(q.figure(170, 170, clockDescription(start)), start / 60, start % 60);
    const auto [pieces, minutes] = countBetween(start, start + mins);
    auto timeSteps = [&](const std::string& label) {
        addStep(q, label + "The clock shows " + clockWords(start / 60, start % 60) +
                       " in the morning, so the train left at " + clockText(start) + ". " +
                       pieces);
        if (minutes.size() > 1)
            addStep(q, "Journey time = " + sumOf(minutes) + "&nbsp;minutes.");
    };
    if (k == "NN") {
        q.subparts({{"How many minutes did the journey take?", "minutes"},
                    {"What was the train's average speed?", "km/h"}});
        timeSteps("(a) ");
        addSteps(q, speedOver(d, mins), "(b) ");
        return q.part('N', S(mins)).part('N', S(s)).done();
    }
    q.p("What was the train's average speed?");
    timeSteps("");
    addSteps(q, speedOver(d, mins));
    return answerNumber(q, r, k[0], s, "km/h", wrong).done();
}

Question busTimetable(Rng& r, const std::string& k) {
    const std::string style = r.pick(timeStyles());
    const std::vector<std::string> stops = {"Bus station", "Market", "Hospital", "Park"};
    std::vector<int> times(4);
    int from, to, late;
    std::vector<Slip> wrong;
    do {
        times[0] = dayTime(r) / 5 * 5;
        for (std::size_t i = 1; i < 4; ++i) times[i] = times[i - 1] + r.range(6, 25);
        from = r.range(0, 1);
        to = r.range(from + 2, 3);
        late = pickInt(r, {10, 15, 20, 25});
        const int a = times[static_cast<std::size_t>(from)];
        const int b = times[static_cast<std::size_t>(to)];
        const int asDecimals = (b / 60 * 100 + b % 60) - (a / 60 * 100 + a % 60);
        wrong = {{Frac(asDecimals), "subtracts the times as if they were decimals, with 100 "
                                    "minutes in an hour"},
                 {Frac(times[static_cast<std::size_t>(from) + 1] - a),
                  "is the time to the next stop only"},
                 {Frac(b - a + 10), "counts ten minutes too many"}};
    } while (
        !clearOfNoonAndMidnight(times[3] + late) || times[3] + late >= 1440 ||
        std::any_of(times.begin(), times.end(),
                    [](int t) { return !clearOfNoonAndMidnight(t); }) ||
        !enoughWrong(
            times[static_cast<std::size_t>(to)] - times[static_cast<std::size_t>(from)], wrong));
    std::string list;
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < 4; ++i) {
        rows.push_back({stops[i], clock12(times[i], style)});
        list += (list.empty() ? "" : ",") + hhmm(times[i]);
    }
    const int a = times[static_cast<std::size_t>(from)];
    const int b = times[static_cast<std::size_t>(to)];
    const int mins = b - a;
    const std::string fromStop = lowerCase(stops[static_cast<std::size_t>(from)]);
    const std::string toStop = lowerCase(stops[static_cast<std::size_t>(to)]);
    QB q("bus_timetable", 2);
    q.param("times", list).param("from", from).param("to", to).param("late", late);
    q.p("The timetable shows when a bus leaves each stop on its route.");
    q.raw(tableHtml({"Stop", "Time"}, rows));
    const std::string ask = "How many minutes does the bus take from the " + fromStop +
                            " to the " + toStop + "?";
    const auto [pieces, minutes] = countBetween(a, b);
    auto timeSteps = [&](const std::string& label) {
        addStep(q, label + "The bus is at the " + fromStop + " at " + clockText(a) +
                       " and at the " + toStop + " at " + clockText(b) + ". " + pieces);
        if (minutes.size() > 1)
            addStep(q, "Time taken = " + sumOf(minutes) + "&nbsp;minutes.");
    };
    if (k == "NT") {
        q.subparts({{ask, "minutes"},
                    {"One day the bus leaves the bus station " + qty(late, "minutes") +
                         " late and takes the usual time between stops. At what time does it "
                         "reach the park? " +
                         timeNote(style, times[3] + late),
                     ""}});
        timeSteps("(a) ");
        addStep(q, "(b) Usually the bus reaches the park at " + clockText(times[3]) +
                       ". Every time is " + minutesText(late) + " later. " +
                       countOn(times[3], late));
        return q.part('N', S(mins)).part('T', clock12(times[3] + late, style)).done();
    }
    q.p(ask);
    timeSteps("");
    return answerNumber(q, r, k[0], mins, "minutes", wrong).done();
}

Question trainChoice(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const std::string style = r.pick(timeStyles());
    std::vector<int> leave(4), arrive(4);
    int deadline, best;
    for (;;) {
        int t = r.range(6 * 12, 8 * 12) * 5;
        for (std::size_t i = 0; i < 4; ++i) {
            t += r.range(3, 8) * 5;
            leave[i] = t;
            arrive[i] = t + r.range(6, 16) * 5;  // fast and slow trains
        }
        if (arrive[3] - arrive[0] < 15) continue;
        deadline = r.range(arrive[0] / 5 + 1, arrive[3] / 5 - 1) * 5;
        best = -1;
        for (int i = 0; i < 4; ++i)
            if (arrive[static_cast<std::size_t>(i)] <= deadline) best = i;
        // A train after the answer leaves later and is too late; the answer is not the first
        // train, and no train arrives exactly at the deadline.
        if (best < 1 || best == 3) continue;
        if (std::find(arrive.begin(), arrive.end(), deadline) != arrive.end()) continue;
        bool later = false;  // an earlier train that arrives too late: reading the table matters
        for (int i = 0; i < best; ++i)
            later = later || arrive[static_cast<std::size_t>(i)] > deadline;
        if (!later && r.chance(70)) continue;
        break;
    }
    std::string list;
    std::vector<std::vector<std::string>> rows;
    std::vector<TextSlip> wrong;
    std::string inTime, tooLate;
    for (std::size_t i = 0; i < 4; ++i) {
        rows.push_back({clock12(leave[i], style), clock12(arrive[i], style)});
        list += (list.empty() ? "" : ",") + hhmm(leave[i]) + "-" + hhmm(arrive[i]);
        const bool late = arrive[i] > deadline;
        if (static_cast<int>(i) != best)  // the others
            wrong.push_back({clock12(leave[i], style),
                             late ? "arrives at " + clockText(arrive[i]) + ", after " +
                                        clockText(deadline)
                                  : "arrives in time, but a later train does too"});
        std::string& into = late ? tooLate : inTime;
        into += std::string(into.empty() ? "" : "; ") + "the " + clockText(leave[i]) +
                " train arrives at " + clockText(arrive[i]);
    }
    QB q("train_choice", 2);
    q.param("trains", list).param("by", hhmm(deadline)).param("style", style);
    q.p("The table shows four morning trains from Oldbridge to Newtown. " + who +
        " must be in Newtown by " + clock12(deadline, style) + ".");
    q.raw(tableHtml({"Leaves Oldbridge", "Arrives in Newtown"}, rows));
    q.p("What is the latest time " + who + " can leave Oldbridge by train?");
    const std::string key = clock12(leave[static_cast<std::size_t>(best)], style);
    addStep(q, who + " must arrive by " + clockText(deadline) +
                   ", so read the arrival time of each train.");
    addStep(q, "In time: " + inTime + ".");
    addStep(q, "Too late: " + tooLate + ".");
    addStep(q, "The latest train that arrives in time leaves Oldbridge at " + key + ".");
    if (k == "Q") return q.choice(r, key, wrong).done();
    q.note(timeNote(style, leave[static_cast<std::size_t>(best)]));
    q.answer();
    return q.part('T', key).done();
}

Question travelGraph(Rng& r, const std::string& k) {
    int t1, rest, t2, d1, d2, yStep;
    bool askFirst;
    std::vector<Slip> wrong;
    for (;;) {
        t1 = pickInt(r, {30, 60, 90});
        rest = pickInt(r, {30, 60});
        t2 = pickInt(r, {30, 60, 90});
        const int v1 = r.range(12, 24);
        const int v2 = r.range(10, 20);
        if ((v1 * t1) % 60 || (v2 * t2) % 60 || v1 == v2 || t1 + rest + t2 > 240) continue;
        d1 = v1 * t1 / 60;
        d2 = v2 * t2 / 60;
        yStep = d1 + d2 > 40 ? 10 : 5;  // gridlines far enough apart to read
        if (d1 % yStep || d2 % yStep) continue;
        askFirst = r.chance(50);
        const int d = askFirst ? d1 : d2;
        const int t = askFirst ? t1 : t2;
        wrong = {{Frac(d), "is the distance, not the speed"},
                 {Frac(d * t, 60), "multiplies by the time instead of dividing"},
                 {Frac((d1 + d2) * 60, t1 + rest + t2), "is the average speed over the whole "
                                                        "ride, rest included"},
                 {Frac(d1 + d2), "is the length of the whole ride"}};
        if (k.size() > 1 || enoughWrong(d * 60 / t, wrong)) break;
    }
    const int total = t1 + rest + t2;
    const int yMax = d1 + d2;
    QB q("travel_graph", 2);
    q.param("t1", t1).param("rest", rest).param("t2", t2).param("d1", d1).param("d2", d2);
    q.p("The graph shows a cycle ride. The cyclist rode, stopped for a rest, then rode on.");
    drawLineGraph(q.figure(300, 200,
                           "A travel graph of a cycle ride. Across: time in minutes, from 0 to " +
                               S(total) + " in steps of 30. Up: distance in km, from 0 to " +
                               S(yMax) + " in steps of " + S(yStep) +
                               ". The line rises from 0 to " + qty(d1, "km") + " at " +
                               S(t1) + " minutes, stays level until " + S(t1 + rest) +
                               " minutes, then rises to " + qty(yMax, "km") + " at " + S(total) +
                               " minutes."),
                  total, 30, yMax, yStep, "Time (minutes)", "Distance (km)",
                  {{0, 0}, {t1, d1}, {t1 + rest, d1}, {total, yMax}});
    const std::string first = "What was the cyclist's speed before the rest?";
    const std::string stop = "For how many minutes did the cyclist rest?";
    const std::string last = "What was the cyclist's speed after the rest?";
    const std::string read = "Read the graph: the line rises to " + qty(d1, "km") + " at " +
                             S(t1) + " minutes, is level until " + S(t1 + rest) +
                             " minutes, then rises to " + qty(yMax, "km") + " at " + S(total) +
                             " minutes.";
    const std::string before = "Before the rest the cyclist rides " + qty(d1, "km") + " in " +
                               minutesText(t1) + ". ";
    const std::string restStep = "The rest is where the line is level: " + S(t1 + rest) +
                                 " &minus; " + S(t1) + " = " + minutesText(rest) + ".";
    const std::string after = "After the rest the cyclist rides " + S(yMax) + " &minus; " +
                              S(d1) + " = " + qty(d2, "km") + " in " + S(total) + " &minus; " +
                              S(t1 + rest) + " = " + minutesText(t2) + ". ";
    if (k == "NN") {
        q.subparts({{first, "km/h"}, {stop, "minutes"}});
        addStep(q, read);
        addStep(q, "(a) " + before + joined(speedOver(d1, t1)));
        addStep(q, "(b) " + restStep);
        return q.part('N', S(d1 * 60 / t1)).part('N', S(rest)).done();
    }
    if (k == "NNN") {
        q.subparts({{first, "km/h"}, {stop, "minutes"}, {last, "km/h"}});
        addStep(q, read);
        addStep(q, "(a) " + before + joined(speedOver(d1, t1)));
        addStep(q, "(b) " + restStep);
        addStep(q, "(c) " + after + joined(speedOver(d2, t2)));
        return q.part('N', S(d1 * 60 / t1)).part('N', S(rest)).part('N', S(d2 * 60 / t2)).done();
    }
    q.param("ask", askFirst ? "first" : "last");
    q.p(askFirst ? first : last);
    const int v = askFirst ? d1 * 60 / t1 : d2 * 60 / t2;
    addStep(q, read);
    addSteps(q, askFirst ? speedOver(d1, t1) : speedOver(d2, t2), askFirst ? before : after);
    return answerNumber(q, r, k[0], v, "km/h", wrong).done();
}

Question sdtTable(Rng& r, const std::string& k) {
    // Each row misses one of distance, time and speed.
    std::vector<int> speed(3);
    std::vector<Frac> hours(3);
    std::vector<int> missing = {2, 1, 0};  // speed, time, distance for rows A, B, C
    r.shuffle(missing);
    for (std::size_t i = 0; i < 3; ++i) {
        do {
            speed[i] = r.range(8, 22) * 5;  // a car, 40-110 km/h
            hours[i] = Frac(r.range(2, 10), 2);
        } while (!(hours[i] * Frac(speed[i])).isInt());
    }
    const std::size_t single = static_cast<std::size_t>(r.range(0, 2));  // the "N" row
    std::vector<std::vector<std::string>> rows;
    std::string list;
    for (std::size_t i = 0; i < 3; ++i) {
        const int gap = k == "N" && i != single ? -1 : missing[i];
        const Frac dist = hours[i] * Frac(speed[i]);
        rows.push_back({std::string(1, static_cast<char>('P' + i)), gap == 0 ? "?" : num(dist),
                        gap == 1 ? "?" : num(hours[i]), gap == 2 ? "?" : num(speed[i])});
        list += (list.empty() ? "" : ",") + S(speed[i]) + "@" + hours[i].dec();
    }
    QB q("sdt_table", 2);
    q.param("rows", list);
    q.p("The table shows three car journeys <i>P</i>, <i>Q</i> and <i>R</i>, each at a steady "
        "speed.");
    q.raw(tableHtml({"Journey", "Distance (km)", "Time (hours)", "Speed (km/h)"}, rows));
    auto askFor = [&](std::size_t i) -> std::pair<std::string, std::string> {
        const std::string j = std::string(1, static_cast<char>('P' + i));
        if (missing[i] == 0) return {"the distance of journey " + j, "km"};
        if (missing[i] == 1) return {"the time of journey " + j, "hours"};
        return {"the speed of journey " + j, "km/h"};
    };
    auto value = [&](std::size_t i) {
        return missing[i] == 0   ? hours[i] * Frac(speed[i])
               : missing[i] == 1 ? hours[i]
                                 : Frac(speed[i]);
    };
    // One row worked out: distance = speed × time, time = distance ÷ speed, speed = distance ÷ time.
    auto worked = [&](std::size_t i) {
        const std::string j = std::string(1, static_cast<char>('P' + i));
        const Frac dist = hours[i] * Frac(speed[i]);
        if (missing[i] == 0)
            return "Journey " + j + ", as distance = speed &times; time: " + S(speed[i]) +
                   " &times; " + num(hours[i]) + " = " + qty(dist, "km") + ".";
        if (missing[i] == 1)
            return "Journey " + j + ", as time = distance &divide; speed: " + num(dist) +
                   " &divide; " + S(speed[i]) + " = " + num(hours[i]) + " hours.";
        const std::string halves = hours[i].isInt()
                                       ? ""
                                       : " = " + num(dist * Frac(2)) + " &divide; " +
                                             num(hours[i] * Frac(2));
        return "Journey " + j + ", as speed = distance &divide; time: " + num(dist) + " &divide; " +
               num(hours[i]) + halves + " = " + qty(speed[i], "km/h") + ".";
    };
    if (k == "NNN") {
        std::vector<std::pair<std::string, std::string>> items;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto [what, unit] = askFor(i);
            items.push_back({"Find " + what + ".", unit});
        }
        q.subparts(items);
        addStep(q, "Each row misses one of the three; the other two give it.");
        for (std::size_t i = 0; i < 3; ++i)
            addStep(q, std::string("(") + static_cast<char>('a' + i) + ") " + worked(i));
        return q.part('N', value(0).dec())
            .part('N', value(1).dec())
            .part('N', value(2).dec())
            .done();
    }
    const auto [what, unit] = askFor(single);
    q.p("Find " + what + ".");
    q.answer(unit);
    addStep(q, "Read the row of journey " + std::string(1, static_cast<char>('P' + single)) +
                   " and use the two values it gives.");
    addStep(q, worked(single));
    return q.part('N', value(single).dec()).done();
}

Question speedChart(Rng& r, const std::string& k) {
    struct Animal {
        const char* name;
        std::vector<int> speeds;
    };
    static const std::vector<Animal> animals = {{"Cheetah", {100, 110, 120}},
                                                {"Horse", {60, 70, 80}},
                                                {"Hare", {50, 60, 70}},
                                                {"Cat", {40, 50}},
                                                {"Elephant", {30, 40}}};
    std::vector<std::size_t> pick = {0, 1, 2, 3, 4};
    std::vector<int> v;
    do {
        r.shuffle(pick);
        pick.resize(4);
        std::sort(pick.begin(), pick.end());
        v.clear();
        for (std::size_t i : pick) v.push_back(r.pick(animals[i].speeds));
        std::vector<int> sorted = v;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) break;
        pick = {0, 1, 2, 3, 4};
    } while (true);
    std::size_t fast, slow;
    do {
        fast = static_cast<std::size_t>(r.range(0, 3));
        slow = static_cast<std::size_t>(r.range(0, 3));
        if (v[fast] < v[slow]) std::swap(fast, slow);
    } while (slow == fast ||
             !enoughWrong(v[fast] - v[slow],
                               {Frac(v[fast]), Frac(v[fast] + v[slow]), Frac(v[slow])}));
    std::vector<std::pair<std::string, int>> bars;
    std::string read;
    for (std::size_t i = 0; i < 4; ++i) {
        bars.emplace_back(animals[pick[i]].name, v[i]);
        read += (read.empty() ? "" : ", ") + std::string(animals[pick[i]].name) + " " + S(v[i]);
    }
    const int top = *std::max_element(v.begin(), v.end());
    const std::string a = animals[pick[fast]].name;
    const std::string b = animals[pick[slow]].name;
    const int minutes = pickInt(r, {3, 6, 12, 15, 30});
    QB q("speed_chart", 2);
    q.param("fast", a).param("slow", b).param("minutes", minutes);
    q.p("The bar chart shows the top speeds of four animals.");
    drawBarChart(q.figure(300, 200,
                          "A bar chart of the top speeds of four animals in km/h, on a scale "
                          "from 0 to " + S((top + 19) / 20 * 20) + " in steps of 20: " + read +
                              "."),
                 bars, 20, "km/h");
    const std::string ask = "How much faster is the top speed of the " + lowerCase(a) +
                            " than that of the " + lowerCase(b) + "?";
    const int diff = v[fast] - v[slow];
    const std::string readStep = "Read the chart: the " + lowerCase(a) + " " +
                                 qty(v[fast], "km/h") + ", the " + lowerCase(b) + " " +
                                 qty(v[slow], "km/h") + ".";
    const std::string diffStep = "Difference = " + S(v[fast]) + " &minus; " + S(v[slow]) + " = " +
                                 qty(diff, "km/h") + ".";
    if (k == "NN") {
        q.subparts({{ask, "km/h"},
                    {"At its top speed, how far would the " + lowerCase(a) + " run in " +
                         qty(minutes, "minutes") + "?",
                     "km"}});
        addStep(q, "(a) " + readStep);
        addStep(q, diffStep);
        addStep(q, "(b) At " + qty(v[fast], "km/h") + " the " + lowerCase(a) + " runs " +
                       qty(v[fast], "km") + " in an hour. " + joined(distanceIn(v[fast], minutes)));
        return q.part('N', S(v[fast] - v[slow]))
            .part('N', Frac(v[fast] * minutes, 60).dec())
            .done();
    }
    q.p(ask);
    addStep(q, readStep);
    addStep(q, diffStep);
    return answerNumber(q, r, k[0], v[fast] - v[slow], "km/h",
                        std::vector<Slip>{{Frac(v[fast]), "is the faster speed alone"},
                                          {Frac(v[fast] + v[slow]), "adds the speeds instead of "
                                                                    "subtracting"},
                                          {Frac(v[slow]), "is the slower speed"}})
        .done();
}

Question fuelTable(Rng& r, const std::string& k) {
    const std::size_t cars = k == "Q" ? 4 : 3;
    const std::vector<std::string> colours = {"Red", "Blue", "Green", "White"};
    std::vector<int> litres(cars), km(cars);
    std::size_t best = 0;
    std::size_t fewest = 0;
    std::vector<Frac> per100;
    for (;;) {
        per100.clear();
        for (std::size_t i = 0; i < cars; ++i) {
            km[i] = r.range(4, 16) * 50;
            const int l100 = r.range(5, 12);
            litres[i] = l100 * km[i] / 100;
            if ((l100 * km[i]) % 100) litres[i] = 0;
            per100.push_back(Frac(litres[i] * 100, std::max(km[i], 1)));
        }
        if (std::count(litres.begin(), litres.end(), 0)) continue;
        std::vector<Frac> sorted = per100;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;
        best = static_cast<std::size_t>(std::min_element(per100.begin(), per100.end()) -
                                        per100.begin());
        // The car that used the least petrol must not be the answer by itself.
        fewest = static_cast<std::size_t>(
            std::min_element(litres.begin(), litres.end()) - litres.begin());
        if (fewest != best) break;
    }
    std::vector<std::vector<std::string>> rows;
    std::string list;
    std::vector<TextSlip> wrong;
    for (std::size_t i = 0; i < cars; ++i) {
        const std::string name = colours[i] + " car";
        rows.push_back({name, qty(km[i], "km"), qty(litres[i], "litres")});
        list += (list.empty() ? "" : ",") + S(litres[i]) + "/" + S(km[i]);
        const std::string each = qty(per100[i], "litres") + " for each " + qty(100, "km");
        if (i != best)  // the other cars
            wrong.push_back({name, i == fewest ? "uses the least petrol in all, but it went less "
                                                 "far: " + each
                                               : "uses " + each});
    }
    QB q("fuel_table", 2);
    q.param("cars", list);
    q.p("The table shows how far some cars went on a trip and how much petrol each one used.");
    q.raw(tableHtml({"Car", "Distance", "Petrol used"}, rows));
    q.p("Which car used the least petrol for each kilometre?");
    addStep(q, "The cars went different distances, so compare the petrol each used for every " +
                   qty(100, "km") + ".");
    for (std::size_t i = 0; i < cars; ++i) {
        const Frac hundreds(km[i], 100);
        const std::string halves = hundreds.isInt() ? ""
                                                    : " = " + S(litres[i] * 2) + " &divide; " +
                                                          num(hundreds * Frac(2));
        addStep(q, colours[i] + " car: " + qty(km[i], "km") + " is " + num(hundreds) +
                       " hundreds of kilometres; " + S(litres[i]) + " &divide; " + num(hundreds) +
                       halves + " = " + num(per100[i]) + ", so it uses " +
                       qty(per100[i], "litres") + " for each " + qty(100, "km") + ".");
    }
    const std::string key = colours[best] + " car";
    addStep(q, "The " + lowerCase(key) + " uses the least petrol for each kilometre.");
    if (k == "Q") return q.choice(r, key, wrong).done();
    q.note("Write the colour of the car.");
    q.answer();
    return q.part('T', colours[best]).done();
}

}  // namespace

void addRatePictures(std::vector<Family>& out) {
    out.push_back({"clock_walk", 9, {"T", "NT"}, clockWalk});
    out.push_back({"clock_speed", 9, {"N", "Q", "NN"}, clockSpeed});
    out.push_back({"bus_timetable", 9, {"N", "Q", "NT"}, busTimetable});
    out.push_back({"train_choice", 9, {"T", "Q"}, trainChoice});
    out.push_back({"travel_graph", 9, {"N", "Q", "NN", "NNN"}, travelGraph});
    out.push_back({"sdt_table", 9, {"N", "NNN"}, sdtTable});
    out.push_back({"speed_chart", 9, {"N", "Q", "NN"}, speedChart});
    out.push_back({"fuel_table", 9, {"T", "Q"}, fuelTable});
}
