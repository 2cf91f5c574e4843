// Rate and Speed told in words: speed, distance and time, times of day, rates of work, flow and
// pay, meeting and catching up, best buys and comparisons. Clocks, timetables, graphs, tables
// and charts are in fam_rate_pictures.cpp.

#include "drawing.h"
#include "families.h"
#include "held_steps.h"
#include "rate_working.h"

#include <algorithm>

namespace {

using heldsteps::addStep;
using ratework::addSteps;
using ratework::clockText;
using ratework::countBetween;
using ratework::countOn;
using ratework::distanceIn;
using ratework::joined;
using ratework::minutesText;
using ratework::minutesToGo;
using ratework::product;
using ratework::speedOver;
using ratework::sumOf;

Question speed(Rng& r, const std::string& k) {
    const bool inMinutes = r.chance(40);
    int s, t, d;
    std::vector<Slip> wrong;
    do {
        s = r.range(8, 22) * 5;  // a car, 40-110 km/h
        t = inMinutes ? pickInt(r, {15, 20, 30, 40, 45, 90}) : r.range(2, 6);
        d = inMinutes ? s * t / 60 : s * t;
        wrong = inMinutes
                    ? std::vector<Slip>{{Frac(d, t), "divides by the minutes as if they were hours"},
                                        {Frac(d), "takes the distance as the speed"},
                                        {Frac(d * t, 60), "multiplies by the time instead of "
                                                          "dividing"}}
                    : std::vector<Slip>{{Frac(d * t), "multiplies instead of dividing"},
                                        {Frac(d - t), "subtracts the time from the distance"},
                                        {Frac(d), "takes the distance as the speed"}};
    } while ((inMinutes && (s * t) % 60) || !enoughWrong(s, wrong));
    QB q("speed", 1);
    q.param("d", d).param("t", t).param("tunit", inMinutes ? "min" : "h");
    q.p("A car travels " + qty(d, "km") + " in " + (inMinutes ? duration(t) : qty(t, "hours")) +
        ". What is its average speed in kilometres per hour?");
    if (inMinutes) {
        addStep(q, "A speed in kilometres per hour is the distance travelled in one hour, "
                   "60 minutes.");
        addSteps(q, speedOver(d, t));
    } else {
        addStep(q, "Speed = distance &divide; time.");
        addStep(q, "Speed = " + qty(d, "km") + " &divide; " + qty(t, "hours") + " = " +
                       qty(s, "km/h") + ".");
    }
    return answerNumber(q, r, k[0], s, "km/h", wrong).done();
}

Question distance(Rng& r, const std::string& k) {
    int s, mins;
    std::vector<Slip> wrong;
    do {
        s = r.range(10, 25) * 4;  // a coach, 40-100 km/h
        mins = pickInt(r, {30, 45, 90, 120, 150, 180, 210});
        const Frac misread = Frac(mins / 60) + Frac(mins % 60, 100);
        wrong = {{Frac(s) * misread, "reads " + duration(mins) + " as " + misread.fixed(2) + " hours"},
                 {Frac(s) + Frac(mins, 60), "adds the time to the speed instead of multiplying"},
                 {Frac(s * mins, 60) + Frac(s), "counts an hour too many"}};
    } while (!enoughWrong(Frac(s * mins, 60), wrong));
    QB q("distance", 1);
    q.param("s", s).param("mins", mins);
    q.p("A coach travels at a steady " + qty(s, "km/h") + " for " + duration(mins) +
        ". How far does it travel?");
    const int h = mins / 60;
    const int rest = mins % 60;
    const Frac total(s * mins, 60);
    addStep(q, "Distance = speed &times; time. In 1 hour the coach travels " + qty(s, "km") + ".");
    if (h > 1)
        addStep(q, "In " + plural(h, "hour", "hours") + ": " + S(h) + " &times; " + qty(s, "km") +
                       " = " + qty(s * h, "km") + ".");
    if (rest == 30)
        addStep(q, "In 30 minutes, half an hour: " + qty(s, "km") + " &divide; 2 = " +
                       qty(s / 2, "km") + ".");
    if (rest == 45)
        addStep(q, "In 45 minutes, three quarters of an hour: " + qty(s, "km") + " &divide; 4 "
                   "&times; 3 = " + qty(s / 4 * 3, "km") + ".");
    if (h > 0 && rest > 0)
        addStep(q, "Distance = " + qty(s * h, "km") + " + " + qty(Frac(s * rest, 60), "km") +
                       " = " + qty(total, "km") + ".");
    return answerNumber(q, r, k[0], total, "km", wrong).done();
}

Question timeTaken(Rng& r, const std::string& k) {
    int s, d;
    std::vector<Slip> wrong;
    do {
        s = r.range(12, 25);  // a cyclist
        d = r.range(3, 60);
        wrong = {{Frac(d * s), "multiplies the distance by the speed"},
                 {Frac(d * 100, s), "writes the hours as minutes as if an hour had 100 minutes"},
                 {Frac(s * 60, d), "divides the wrong way, the speed by the distance"}};
    } while ((60 * d) % s || 60 * d / s > 300 || 60 * d / s < 10 ||
             !enoughWrong(60 * d / s, wrong));
    QB q("time_taken", 2);
    q.param("d", d).param("s", s);
    q.p("A cyclist rides " + qty(d, "km") + " at " + qty(s, "km/h") +
        ". How many minutes does the ride take?");
    addStep(q, "Time = distance &divide; speed. Work in minutes: an hour is 60 minutes.");
    addSteps(q, minutesToGo(d, s));
    return answerNumber(q, r, k[0], 60 * d / s, "minutes", wrong).done();
}

Question arrivalTime(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(timeStyles());
    int start, mins;
    do {
        start = dayTime(r);
        mins = r.range(3, 60) * 5 + r.range(0, 4);
    } while (!clearOfNoonAndMidnight(start + mins) || start + mins >= 1440);
    QB q("arrival_time", 2);
    q.param("start", hhmm(start)).param("mins", mins).param("style", style);
    q.p("A train leaves at " + clock12(start, style) + ". The journey takes " + duration(mins) +
        ".");
    q.p("At what time does the train arrive?");
    q.note(timeNote(style, start + mins));
    q.answer();
    addStep(q, "Count on " + duration(mins) + " from " + clockText(start) +
                   ", the hours first and then the minutes.");
    addStep(q, countOn(start, mins));
    return q.part('T', clock12(start + mins, style)).done();
}

Question durationBetween(Rng& r, const std::string& k) {
    const std::string style = r.pick(timeStyles());
    int start, mins;
    std::vector<Slip> wrong;
    do {
        start = dayTime(r);
        mins = r.range(85, 155);  // a film
        const int end = start + mins;
        const int asDecimals = (end / 60 * 100 + end % 60) - (start / 60 * 100 + start % 60);
        wrong = {{Frac(asDecimals), "subtracts the times as if they were decimals, with 100 "
                                    "minutes in an hour"},
                 {Frac(mins / 60 * 60), "counts the whole hours only"},
                 {Frac(mins + 60), "counts an hour too many"}};
    } while (!clearOfNoonAndMidnight(start + mins) || start + mins >= 1440 ||
             !enoughWrong(mins, wrong));
    QB q("duration", 2);
    q.param("start", hhmm(start)).param("end", hhmm(start + mins));
    q.p("A film starts at " + clock12(start, style) + " and ends at " +
        clock12(start + mins, style) + ". How many minutes long is the film?");
    const auto [pieces, minutes] = countBetween(start, start + mins);
    addStep(q, "Count on from " + clockText(start) + " to " + clockText(start + mins) +
                   ": to the next hour, through the whole hours, then the minutes left.");
    addStep(q, pieces);
    if (minutes.size() > 1)
        addStep(q, "Length of the film = " + sumOf(minutes) + "&nbsp;minutes.");
    return answerNumber(q, r, k[0], mins, "minutes", wrong).done();
}

Question workRate(Rng& r, const std::string& k) {
    const bool askTime = r.chance(40);
    int rate, t;
    std::vector<Slip> wrong;
    do {
        rate = r.range(6, 45);
        t = r.range(4, 25);
        wrong = askTime
                    ? std::vector<Slip>{{Frac(rate * t - rate), "takes the pages a minute from "
                                                                "the pages instead of dividing"},
                                        {Frac(rate), "is the number of pages a minute"},
                                        {Frac(rate * t * rate), "multiplies by the pages a "
                                                                "minute instead of dividing"}}
                    : std::vector<Slip>{{Frac(rate + t), "adds instead of multiplying"},
                                        {Frac(rate * t + rate), "counts one minute too many"},
                                        {Frac(rate * (t - 1)), "counts one minute too few"}};
    } while (!enoughWrong(askTime ? t : rate * t, wrong));
    QB q("work_rate", 1);
    q.param("rate", rate).param("t", t).param("ask", askTime ? "time" : "amount");
    if (askTime) {
        q.p("A printer prints " + S(rate) +
            " pages every minute. How many minutes does it take to print " + num(rate * t) +
            " pages?");
        addStep(q, "Minutes = pages to print &divide; pages a minute.");
        addStep(q, "Minutes = " + num(rate * t) + " &divide; " + S(rate) + " = " +
                       qty(t, "minutes") + ".");
        addStep(q, "Check: " + product(rate, t, "pages") + ".");
        return answerNumber(q, r, k[0], t, "minutes", wrong).done();
    }
    q.p("A printer prints " + S(rate) + " pages every minute. How many pages does it print in " +
        S(t) + " minutes?");
    addStep(q, "Pages = pages a minute &times; minutes.");
    addStep(q, "Pages = " + product(rate, t, "pages") + ".");
    return answerNumber(q, r, k[0], rate * t, "pages", wrong).done();
}

Question bestBuy(Rng& r, const std::string& k) {
    (void)k;
    std::vector<std::pair<int, Frac>> packs;  // items, price
    std::vector<Frac> unit;
    while (packs.size() < 4) {
        const int n = pickInt(r, {2, 4, 5, 6, 8, 10, 12});
        const Frac each(r.range(30, 90), 100);
        const Frac price = each * Frac(n);
        if (std::find(unit.begin(), unit.end(), each) != unit.end()) continue;
        bool sameN = false;
        for (const auto& p : packs) sameN = sameN || p.first == n;
        if (sameN) continue;
        packs.emplace_back(n, price);
        unit.push_back(each);
    }
    std::size_t best = 0, cheapest = 0, biggest = 0;
    for (std::size_t i = 1; i < 4; ++i) {
        if (unit[i] < unit[best]) best = i;
        if (packs[i].second < packs[cheapest].second) cheapest = i;
        if (packs[i].first > packs[biggest].first) biggest = i;
    }
    std::vector<std::string> texts;
    std::string list;
    std::string divisions;
    for (const auto& [n, price] : packs) {
        texts.push_back(S(n) + " rolls for " + moneyCents(price));  // a price list: all with cents
        list += (list.empty() ? "" : ",") + S(n) + "@" + price.fixed(2);
        divisions += std::string(divisions.empty() ? "" : "; ") + "pack of " + S(n) + ": " +
                     moneyCents(price) + " &divide; " + S(n) + " = " + money(price / Frac(n));
    }
    QB q("best_buy", 2);
    q.param("packs", list);
    q.p("A baker sells bread rolls in packs. Which pack gives the lowest price for each roll?");
    addStep(q, "Work out the price of one roll in each pack: " + divisions + ".");
    addStep(q, "The lowest price for one roll is " + money(unit[best]) + ", so the best buy is " +
                   texts[best] + ".");
    // The other packs: the cheapest pack, the biggest pack, and the rest.
    std::vector<TextSlip> wrong;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i == best) continue;
        const std::string each = money(unit[i]);
        wrong.push_back({texts[i], i == cheapest  ? "is the cheapest pack, but one roll costs " + each
                                   : i == biggest ? "is the biggest pack, but one roll costs " + each
                                                  : "costs " + each + " a roll"});
    }
    return q.choice(r, texts[best], wrong).done();
}

Question faster(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int d1, t1, d2, t2;
    do {  // runners at 4 to 8 metres a second
        d1 = pickInt(r, {100, 200, 400, 800});
        d2 = pickInt(r, {100, 200, 400, 800});
        t1 = r.range(d1 / 8, d1 / 4);
        t2 = r.range(d2 / 8, d2 / 4);
    } while (d1 == d2 || d1 * t2 == d2 * t1 || (d1 > d2) == (d1 * t2 > d2 * t1));
    QB q("faster", 1);
    q.param("x", x).param("d1", d1).param("t1", t1).param("y", y).param("d2", d2).param("t2", t2);
    q.p(x + " runs " + qty(d1, "m") + " in " + qty(t1, "seconds") + ". " + y + " runs " +
        qty(d2, "m") + " in " + qty(t2, "seconds") + ".");
    q.p("Who runs at the greater average speed?");
    q.note("Write the name.");
    q.answer();
    // Over the longer distance, which is a whole number of the shorter one.
    const int longer = std::max(d1, d2);
    addStep(q, "Compare the two runners over the same distance, " + qty(longer, "m") + ".");
    auto over = [&](const std::string& who, int d, int t) {
        if (d == longer) return who + " runs " + qty(longer, "m") + " in " + qty(t, "seconds") + ".";
        return who + " would run " + qty(longer, "m") + ", which is " + S(longer) + " &divide; " + S(d) +
               " = " + S(longer / d) + " times as far, in " + S(longer / d) + " &times; " +
               qty(t, "seconds") + " = " + qty(longer / d * t, "seconds") + ".";
    };
    addStep(q, over(x, d1, t1));
    addStep(q, over(y, d2, t2));
    const int tx = longer / d1 * t1;
    const int ty = longer / d2 * t2;
    const bool xWins = tx < ty;
    addStep(q, (xWins ? x : y) + " takes less time for the same distance (" +
                   qty(xWins ? tx : ty, "seconds") + " against " + qty(xWins ? ty : tx, "seconds") +
                   "), so " + (xWins ? x : y) + " runs at the greater average speed.");
    return q.part('T', d1 * t2 > d2 * t1 ? x : y).done();
}

Question speedConvert(Rng& r, const std::string& k) {
    const bool perSecond = r.chance(40);
    const int s = perSecond ? r.range(2, 8) * 18 : r.range(2, 15) * 3;  // a train; a boat
    QB q("speed_convert", 2);
    q.param("kmh", s).param("to", perSecond ? "m/s" : "m/min");
    addStep(q, "A speed of " + qty(s, "km/h") + " means " + qty(s, "km") + " in an hour: " +
                   qty(s, "km") + " = " + S(s) + " &times; 1000&nbsp;m = " + qty(s * 1000, "m") +
                   ".");
    if (perSecond) {
        q.p("A train travels at " + qty(s, "km/h") + ". What is this speed in metres per second?");
        const Frac ans(s * 5, 18);
        addStep(q, "An hour is 60 minutes of 60 seconds: 60 &times; 60 = 3600 seconds.");
        addStep(q, "In one second: " + num(s * 1000) + " &divide; 3600 = " + num(ans) +
                       ", so the speed is " + qty(ans, "m/s") + ".");
        return answerNumber(
                   q, r, k[0], ans, "m/s",
                   std::vector<Slip>{{Frac(s * 1000, 60), "is the speed in metres a minute, not "
                                                          "a second"},
                                     {Frac(s * 36, 10), "multiplies by 3.6 instead of dividing"},
                                     {Frac(s, 60), "divides by 60 only, without changing "
                                                   "kilometres into metres"}})
            .done();
    }
    q.p("A boat travels at " + qty(s, "km/h") + ". What is this speed in metres per minute?");
    const Frac ans(s * 1000, 60);
    addStep(q, "An hour is 60 minutes. In one minute: " + num(s * 1000) + " &divide; 60 = " +
                   num(ans) + ", so the speed is " + qty(ans, "m/min") + ".");
    return answerNumber(q, r, k[0], ans, "m/min",
                        std::vector<Slip>{{Frac(s * 60), "multiplies by 60 instead of dividing"},
                                          {Frac(s * 1000), "is the metres in an hour, not in a "
                                                           "minute"},
                                          {Frac(s * 1000, 100), "divides by 100 instead of by 60"}})
        .done();
}

Question averageSpeed(Rng& r, const std::string& k) {
    int d1, t1, d2, t2;
    std::vector<Slip> wrong;
    do {  // lorry speeds between 30 and 90 km/h on each stretch
        t1 = r.range(1, 4);
        t2 = r.range(1, 4);
        d1 = r.range(6, 18) * 5 * t1;
        d2 = r.range(6, 18) * 5 * t2;
        wrong = {{(Frac(d1, t1) + Frac(d2, t2)) / Frac(2),
                  "takes the mean of the two speeds, but the lorry spends longer at one of them"},
                 {Frac(d1 + d2), "is the whole distance, not the speed"},
                 {Frac(d1 + d2, 2), "halves the distance instead of dividing by the whole time"}};
    } while ((d1 + d2) % (t1 + t2) || d1 * t2 == d2 * t1 || t1 == t2 ||
             !enoughWrong((d1 + d2) / (t1 + t2), wrong));
    QB q("average_speed", 3);
    q.param("d1", d1).param("t1", t1).param("d2", d2).param("t2", t2);
    q.p("A lorry travels " + qty(d1, "km") + " in " + plural(t1, "hour", "hours") +
        ", then another " + qty(d2, "km") + " in " + plural(t2, "hour", "hours") + ".");
    q.p("What is its average speed for the whole journey?");
    addStep(q, "Average speed = whole distance &divide; whole time.");
    addStep(q, "Whole distance = " + qty(d1, "km") + " + " + qty(d2, "km") + " = " +
                   qty(d1 + d2, "km") + ".");
    addStep(q, "Whole time = " + S(t1) + " + " + S(t2) + " = " + plural(t1 + t2, "hour", "hours") +
                   ".");
    addStep(q, "Average speed = " + qty(d1 + d2, "km") + " &divide; " +
                   plural(t1 + t2, "hour", "hours") + " = " +
                   qty((d1 + d2) / (t1 + t2), "km/h") + ".");
    return answerNumber(q, r, k[0], (d1 + d2) / (t1 + t2), "km/h", wrong).done();
}

Question payRate(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const Frac rate(r.range(16, 50), 2);
    const int hours = r.range(3, 40);
    QB q("pay_rate", 1);
    q.paramDec("rate", rate).param("hours", hours).param("who", who);
    q.p(who + " is paid " + money(rate) + " an hour and works for " + S(hours) +
        " hours. How much is " + who + " paid?");
    addStep(q, "Pay = pay for one hour &times; hours worked.");
    addStep(q, "Pay = " + product(rate, hours, "$") + ".");
    return answerNumber(q, r, k[0], rate * Frac(hours), "dollars",
                        std::vector<Slip>{{rate + Frac(hours), "adds the hours to the pay for an "
                                                               "hour instead of multiplying"},
                                          {rate * Frac(hours - 1), "counts one hour too few"},
                                          {rate * Frac(hours) * Frac(2), "doubles the pay"}})
        .done();
}

Question fuelRate(Rng& r, const std::string& k) {
    int per100, km;
    std::vector<Slip> wrong;
    do {
        per100 = r.range(4, 12);
        km = r.range(3, 40) * 50;
        wrong = {{Frac(per100 * km, 10), "divides the distance by 10 instead of by 100"},
                 {Frac(km, per100), "divides the distance by the litres"},
                 {Frac(per100 * km, 100) + Frac(per100), "adds the petrol for another 100 km"}};
    } while (km == 100 || !enoughWrong(Frac(per100 * km, 100), wrong));
    QB q("fuel_rate", 2);
    q.param("per100", per100).param("km", km);
    q.p("A car uses " + qty(per100, "litres") + " of petrol for every " + qty(100, "km") +
        " it travels. How many litres does it use to travel " + qty(km, "km") + "?");
    const Frac hundreds(km, 100);
    const Frac ans(per100 * km, 100);
    addStep(q, "Count the hundreds of kilometres: " + num(km) + " &divide; 100 = " +
                   num(hundreds) + ".");
    addStep(q, "Petrol = " + num(hundreds) + " &times; " + qty(per100, "litres") + " = " +
                   qty(ans, "litres") + ".");
    return answerNumber(q, r, k[0], ans, "litres", wrong).done();
}

Question journeyTwo(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(timeStyles());
    int s, d, start;
    do {
        s = r.range(6, 20) * 5;
        d = r.range(10, 250);
        start = dayTime(r);
    } while ((60 * d) % s || 60 * d / s > 300 || 60 * d / s < 20 ||
             !clearOfNoonAndMidnight(start + 60 * d / s) || start + 60 * d / s >= 1440);
    const int mins = 60 * d / s;
    QB q("journey_two", 2);
    q.param("d", d).param("s", s).param("start", hhmm(start)).param("style", style);
    q.p("A bus travels " + qty(d, "km") + " at an average speed of " + qty(s, "km/h") +
        ". It sets off at " + clock12(start, style) + ".");
    q.subparts({{"How many minutes does the journey take?", "minutes"},
                {"At what time does the bus arrive? " + timeNote(style, start + mins), ""}});
    addSteps(q, minutesToGo(d, s), "(a) ");
    addStep(q, "(b) " + countOn(start, mins, true));
    return q.part('N', S(mins)).part('T', clock12(start + mins, style)).done();
}

Question speedTwo(Rng& r, const std::string& k) {
    (void)k;
    int s, h, d;
    do {
        s = r.range(4, 8) * 3;  // a cyclist, 12-24 km/h
        h = r.range(2, 5);
        d = r.range(5, 90);
    } while ((60 * d) % s || d == s * h);
    QB q("speed_two", 2);
    q.param("s", s).param("h", h).param("d", d);
    q.p("A cyclist rides at a steady " + qty(s, "km/h") + ".");
    q.subparts(
        {{"How far does the cyclist ride in " + qty(h, "hours") + "?", "km"},
         {"How many minutes does it take the cyclist to ride " + qty(d, "km") + "?", "minutes"}});
    addStep(q, "(a) Distance = speed &times; time. In " + qty(h, "hours") + ": " + S(h) +
                   " &times; " + qty(s, "km") + " = " + qty(s * h, "km") + ".");
    addSteps(q, minutesToGo(d, s), "(b) ");
    return q.part('N', S(s * h)).part('N', S(60 * d / s)).done();
}

Question journeyThree(Rng& r, const std::string& k) {
    const std::string style = r.pick(timeStyles());
    int s1, h1, s2, d2, start;
    do {
        s1 = r.range(16, 22) * 5;
        h1 = r.range(1, 3);
        s2 = r.range(8, 12) * 5;
        d2 = r.range(5, 60);
        start = dayTime(r);
    } while ((60 * d2) % s2 || !clearOfNoonAndMidnight(start + 60 * h1 + 60 * d2 / s2) ||
             start + 60 * h1 + 60 * d2 / s2 >= 1440);
    const int country = 60 * d2 / s2;
    const int mins = 60 * h1 + country;
    QB q("journey_three", 3);
    q.param("s1", s1)
        .param("h1", h1)
        .param("s2", s2)
        .param("d2", d2)
        .param("start", hhmm(start))
        .param("style", style);
    q.p("A family sets off at " + clock12(start, style) + ". They drive on the motorway at " +
        qty(s1, "km/h") + " for " + plural(h1, "hour", "hours") + ", then drive " + qty(d2, "km") +
        " on country roads at " + qty(s2, "km/h") + ".");
    // The minutes of the whole journey: the motorway's hours, then the country roads.
    auto minutesSteps = [&](const std::string& label) {
        const auto roads = minutesToGo(d2, s2);
        addStep(q, label + "On the motorway they drive " + plural(h1, "hour", "hours") +
                       ", which is " + S(h1) + " &times; 60 = " + minutesText(60 * h1) + ".");
        addStep(q, "On the country roads, a" + roads[0].substr(1));
        addStep(q, roads[1]);
        addStep(q, "Whole journey = " + S(60 * h1) + " + " + S(country) + " = " +
                       minutesText(mins) + ".");
    };
    if (k == "NT") {
        q.subparts({{"How many minutes does the whole journey take?", "minutes"},
                    {"At what time do they arrive? " + timeNote(style, start + mins), ""}});
        minutesSteps("(a) ");
        addStep(q, "(b) " + countOn(start, mins, true));
        return q.part('N', S(mins)).part('T', clock12(start + mins, style)).done();
    }
    q.subparts({{"How far do they drive on the motorway?", "km"},
                {"How many minutes does the whole journey take?", "minutes"},
                {"At what time do they arrive? " + timeNote(style, start + mins), ""}});
    addStep(q, "(a) In " + plural(h1, "hour", "hours") + " at " + qty(s1, "km/h") + ": " + S(h1) +
                   " &times; " + qty(s1, "km") + " = " + qty(s1 * h1, "km") + ".");
    minutesSteps("(b) ");
    addStep(q, "(c) " + countOn(start, mins, true));
    return q.part('N', S(s1 * h1))
        .part('N', S(mins))
        .part('T', clock12(start + mins, style))
        .done();
}

Question journeyFour(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(timeStyles());
    int s1, m1, s2, m2, start;
    do {
        s1 = r.range(8, 18) * 6;
        m1 = pickInt(r, {20, 30, 40, 50, 90});
        s2 = r.range(8, 18) * 6;
        m2 = pickInt(r, {10, 20, 30, 45, 60});
        start = dayTime(r);
    } while ((s1 * m1) % 60 || (s2 * m2) % 60 || !clearOfNoonAndMidnight(start + m1 + m2 + 15) ||
             start + m1 + m2 + 15 >= 1440);
    const int d1 = s1 * m1 / 60;
    const int d2 = s2 * m2 / 60;
    QB q("journey_four", 3);
    q.param("s1", s1)
        .param("m1", m1)
        .param("s2", s2)
        .param("m2", m2)
        .param("start", hhmm(start))
        .param("style", style);
    q.p("A coach leaves at " + clock12(start, style) + ". It travels at " + qty(s1, "km/h") +
        " for " + qty(m1, "minutes") + ", stops for " + qty(15, "minutes") + ", then travels at " +
        qty(s2, "km/h") + " for " + qty(m2, "minutes") + ".");
    q.subparts(
        {{"How far does it travel before the stop?", "km"},
         {"How far does it travel after the stop?", "km"},
         {"How far does it travel altogether?", "km"},
         {"At what time does the journey end? " + timeNote(style, start + m1 + m2 + 15), ""}});
    addStep(q, "(a) At " + qty(s1, "km/h") + " for " + minutesText(m1) + ". " +
                   joined(distanceIn(s1, m1)));
    addStep(q, "(b) At " + qty(s2, "km/h") + " for " + minutesText(m2) + ". " +
                   joined(distanceIn(s2, m2)));
    addStep(q, "(c) Altogether: " + qty(d1, "km") + " + " + qty(d2, "km") + " = " +
                   qty(d1 + d2, "km") + ".");
    addStep(q, "(d) The journey lasts " + S(m1) + " + 15 + " + S(m2) + " = " +
                   minutesText(m1 + m2 + 15) + ", stop included. " +
                   countOn(start, m1 + m2 + 15, true));
    return q.part('N', S(d1))
        .part('N', S(d2))
        .part('N', S(d1 + d2))
        .part('T', clock12(start + m1 + m2 + 15, style))
        .done();
}

// ---- Rates of flow, work and pay ----

Question tankFill(Rng& r, const std::string& k) {
    int capacity, rate, already;
    std::vector<Slip> wrong;
    do {
        rate = r.range(4, 30);
        capacity = rate * r.range(10, 60);
        already = r.range(1, 3) * capacity / 4;
        wrong = {{Frac(capacity * rate), "multiplies instead of dividing"},
                 {Frac(capacity - rate), "subtracts instead of dividing"},
                 {Frac(capacity, rate * 60), "divides by 60 as well, as if changing minutes into "
                                             "hours"}};
    } while (capacity % 4 || capacity > 2000 || !enoughWrong(capacity / rate, wrong));
    QB q("tank_fill", 2);
    q.param("capacity", capacity).param("rate", rate).param("already", already);
    q.p("A water tank holds " + qty(capacity, "litres") + ". A tap fills it at " +
        qty(rate, "litres") + " a minute.");
    const int full = capacity / rate;
    const std::string fill = "Minutes = " + num(capacity) + " &divide; " + S(rate) + " = " +
                             qty(full, "minutes") + ".";
    if (k == "NN") {
        q.subparts({{"How many minutes does the tap take to fill the empty tank?", "minutes"},
                    {"One day the tank already holds " + qty(already, "litres") +
                         ". How many minutes does the tap take to fill it?",
                     "minutes"}});
        const Frac rest(capacity - already, rate);
        addStep(q, "(a) Minutes to fill = litres &divide; litres a minute. " + fill);
        addStep(q, "(b) Water still needed = " + qty(capacity, "litres") + " &minus; " +
                       qty(already, "litres") + " = " + qty(capacity - already, "litres") + ".");
        addStep(q, "Minutes = " + num(capacity - already) + " &divide; " + S(rate) + " = " +
                       qty(rest, "minutes") + ".");
        return q.part('N', S(capacity / rate))
            .part('N', Frac(capacity - already, rate).dec())
            .done();
    }
    q.p("How many minutes does the tap take to fill the empty tank?");
    addStep(q, "Minutes to fill = litres &divide; litres a minute.");
    addStep(q, fill);
    addStep(q, "Check: " + product(rate, full, "litres") + ".");
    return answerNumber(q, r, k[0], capacity / rate, "minutes", wrong).done();
}

Question payOvertime(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const int rate = r.range(6, 15) * 2;  // $12-30 an hour, so time and a half is whole
    const int hours = r.range(30, 40);
    const int extra = r.range(2, 10);
    const int overtime = rate * 3 / 2;
    const int total = rate * hours + overtime * extra;
    QB q("pay_overtime", 3);
    q.param("rate", rate).param("hours", hours).param("extra", extra);
    q.p(who + " is paid " + money(rate) + " an hour for a " + S(hours) +
        "-hour week, and time and a half for every hour of overtime. Last week " + who +
        " worked the full " + qty(hours, "hours") + " and then " +
        plural(extra, "hour", "hours") + " of overtime.");
    const std::string half = "Time and a half: half of " + money(rate) + " is " +
                             money(rate / 2) + ", so an hour of overtime pays " + money(rate) +
                             " + " + money(rate / 2) + " = " + money(overtime) + ".";
    auto weekSteps = [&](const std::string& label) {
        addStep(q, label + "Pay for the " + plural(hours, "usual hour", "usual hours") + " = " +
                       product(rate, hours, "$") + ".");
        addStep(q, "Pay for the overtime = " + product(overtime, extra, "$") + ".");
        addStep(q, "Pay for the week = " + money(rate * hours) + " + " + money(overtime * extra) +
                       " = " + money(total) + ".");
    };
    if (k == "NN") {
        q.subparts({{"How much is " + who + " paid for an hour of overtime?", "dollars"},
                    {"How much was " + who + " paid last week?", "dollars"}});
        addStep(q, "(a) " + half);
        weekSteps("(b) ");
        return q.part('N', S(overtime)).part('N', S(total)).done();
    }
    q.p("How much was " + who + " paid last week?");
    addStep(q, half);
    weekSteps("");
    return answerNumber(q, r, k[0], total, "dollars",
                        std::vector<Slip>{{Frac(rate * (hours + extra)), "pays the overtime at "
                                                                         "the usual rate"},
                                          {Frac(rate * hours + rate / 2 * extra),
                                           "pays only the extra half for the overtime hours"},
                                          {Frac(rate * hours), "leaves out the overtime"}})
        .done();
}

Question meetTowards(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int s1, s2, d;
    std::vector<Slip> wrong;
    do {
        s1 = r.range(12, 25);  // cyclists
        s2 = r.range(12, 25);
        d = r.range(5, 40);
        const int gap = std::max(1, s1 > s2 ? s1 - s2 : s2 - s1);
        wrong = {{Frac(d * 60, std::max(s1, s2)), "lets only the faster cyclist move"},
                 {Frac(d * 60, gap), "takes the difference of the speeds, as if one chased the "
                                     "other"},
                 {Frac(d * 30, s1 + s2), "halves the time"}};
    } while (s1 == s2 || (d * 60) % (s1 + s2) || !enoughWrong(d * 60 / (s1 + s2), wrong));
    QB q("meet_towards", 3);
    q.param("s1", s1).param("s2", s2).param("d", d);
    q.p(x + " and " + y + " live " + qty(d, "km") +
        " apart. At the same moment they set off on "
        "their bikes towards each other, " +
        x + " at " + qty(s1, "km/h") + " and " + y + " at " + qty(s2, "km/h") + ".");
    const std::string closing = "Riding towards each other, they close the gap by " + S(s1) +
                                " + " + S(s2) + " = " + qty(s1 + s2, "km") + " every hour.";
    const auto meet = minutesToGo(d, s1 + s2);
    if (k == "NN") {
        q.subparts(
            {{"By how many kilometres does the distance between them shrink each hour?", "km"},
             {"How many minutes after setting off do they meet?", "minutes"}});
        addStep(q, "(a) " + closing);
        addStep(q, "(b) The gap of " + qty(d, "km") + " closes as if one of them stood still "
                   "and the other rode at " + qty(s1 + s2, "km/h") + ".");
        addSteps(q, meet);
        return q.part('N', S(s1 + s2)).part('N', S(d * 60 / (s1 + s2))).done();
    }
    q.p("How many minutes after setting off do they meet?");
    addStep(q, closing);
    addSteps(q, meet);
    return answerNumber(q, r, k[0], d * 60 / (s1 + s2), "minutes", wrong).done();
}

Question catchUp(Rng& r, const std::string& k) {
    int v1, v2, late;
    std::vector<Slip> wrong;
    do {
        v1 = r.range(8, 16) * 5;  // a lorry, 40-80 km/h
        v2 = v1 + r.range(1, 6) * 5;
        late = pickInt(r, {15, 20, 30, 45, 60});
        const int head = v1 * late;  // in km / 60
        wrong = {{Frac(head, v2), "divides the lorry's lead by the van's speed instead of by "
                                  "the speed the van gains"},
                 {Frac(late), "is the lorry's head start in minutes"},
                 {Frac(head, v2 + v1), "adds the speeds, as if they drove towards each other"}};
    } while ((v1 * late) % 60 || (v1 * late) % (v2 - v1) ||
             !enoughWrong(v1 * late / (v2 - v1), wrong));
    const int head = v1 * late / 60;
    const int mins = v1 * late / (v2 - v1);
    QB q("catch_up", 3);
    q.param("v1", v1).param("v2", v2).param("late", late);
    q.p("A lorry leaves a depot and drives along a motorway at " + qty(v1, "km/h") + ". " +
        qty(late, "minutes") + " later a van leaves the same depot and follows it at " +
        qty(v2, "km/h") + ".");
    const std::string lead = "In the " + minutesText(late) + " before the van sets off, the "
                             "lorry drives ahead. " + joined(distanceIn(v1, late));
    const std::string gains = "The van gains " + S(v2) + " &minus; " + S(v1) + " = " +
                              qty(v2 - v1, "km") + " on the lorry every hour, so the lead of " +
                              qty(head, "km") + " shrinks at " + qty(v2 - v1, "km/h") + ".";
    if (k == "NN") {
        q.subparts({{"How far ahead is the lorry when the van sets off?", "km"},
                    {"How many minutes after setting off does the van catch up with the lorry?",
                     "minutes"}});
        addStep(q, "(a) " + lead);
        addStep(q, "(b) " + gains);
        addSteps(q, minutesToGo(head, v2 - v1));
        return q.part('N', S(head)).part('N', S(mins)).done();
    }
    q.p("How many minutes after setting off does the van catch up with the lorry?");
    addStep(q, lead);
    addStep(q, gains);
    addSteps(q, minutesToGo(head, v2 - v1));
    return answerNumber(q, r, k[0], mins, "minutes", wrong).done();
}

Question leakPerDay(Rng& r, const std::string& k) {
    int ml;
    std::vector<Slip> wrong;
    do {
        ml = r.range(2, 25) * 5;  // a dripping tap, millilitres a minute
        wrong = {{Frac(ml * 60 * 24), "leaves the answer in millilitres"},
                 {Frac(ml * 24, 1000), "forgets the 60 minutes in an hour"},
                 {Frac(ml * 60, 1000), "works out one hour, not a day"}};
    } while (!enoughWrong(Frac(ml * 60 * 24, 1000), wrong));
    QB q("leak_per_day", 2);
    q.param("ml", ml);
    q.p("A dripping tap wastes " + qty(ml, "ml") + " of water every minute.");
    const Frac litres(ml * 60 * 24, 1000);
    const std::string hour = "In an hour, 60 minutes: " + S(ml) + " &times; 60 = " +
                             qty(ml * 60, "ml") + ".";
    auto daySteps = [&](const std::string& label) {
        addStep(q, label + "In a day, 24 hours: " + product(ml * 60, 24, "ml") + ".");
        addStep(q, "In litres: " + qty(ml * 60 * 24, "ml") + " = " + num(ml * 60 * 24) +
                       " &divide; 1000&nbsp;litres = " + qty(litres, "litres") + ".");
    };
    if (k == "NN") {
        q.subparts({{"How many millilitres does it waste in an hour?", "ml"},
                    {"How many litres does it waste in a day?", "litres"}});
        addStep(q, "(a) " + hour);
        daySteps("(b) ");
        return q.part('N', S(ml * 60)).part('N', Frac(ml * 60 * 24, 1000).dec()).done();
    }
    q.p("How many litres of water does it waste in a day?");
    addStep(q, hour);
    daySteps("");
    return answerNumber(q, r, k[0], litres, "litres", wrong).done();
}

Question savingWeeks(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int price, has, weekly;
    std::vector<Slip> wrong;
    do {
        price = r.range(15, 60) * 10;  // a bicycle or a games console, $150-600
        has = r.range(2, 12) * 10;
        weekly = pickInt(r, {5, 8, 10, 12, 15, 20, 25});
        // A number of weeks is whole: a slip that gives part of a week is left out.
        wrong = {{Frac(price, weekly), "forgets the money already saved"},
                 {Frac(price - has), "is the money still needed, not the weeks"},
                 {Frac(price + has, weekly), "adds the savings to the price instead of taking "
                                             "them away"}};
        if (k == "Q")
            wrong.erase(std::remove_if(wrong.begin(), wrong.end(),
                                       [](const Slip& w) { return !w.value.isInt(); }),
                        wrong.end());
    } while (has >= price || (price - has) % weekly || !enoughWrong((price - has) / weekly, wrong));
    QB q("saving_weeks", 2);
    q.param("price", price).param("has", has).param("weekly", weekly);
    q.p(who + " wants to buy a bicycle that costs " + money(price) + ". " + who + " has saved " +
        money(has) + " and saves another " + money(weekly) + " every week.");
    const int weeks = (price - has) / weekly;
    const std::string needed = "Money still needed = " + money(price) + " &minus; " + money(has) +
                               " = " + money(price - has) + ".";
    const std::string count = "Weeks = " + money(price - has) + " &divide; " + money(weekly) +
                              " = " + S(weeks) + ", so it takes " +
                              plural(weeks, "week", "weeks") + ".";
    if (k == "NN") {
        q.subparts({{"How much more money does " + who + " need?", "dollars"},
                    {"How many weeks will it take to save it?", "weeks"}});
        addStep(q, "(a) " + needed);
        addStep(q, "(b) " + count);
        return q.part('N', S(price - has)).part('N', S((price - has) / weekly)).done();
    }
    q.p("How many weeks will it take " + who + " to save enough?");
    addStep(q, needed);
    addStep(q, count);
    return answerNumber(q, r, k[0], (price - has) / weekly, "weeks", wrong).done();
}

Question hireShare(Rng& r, const std::string& k) {
    int rate, halves, people;
    Frac total, each;
    std::vector<Slip> wrong;
    do {
        rate = r.range(8, 30);   // a rowing boat, dollars an hour
        halves = r.range(3, 8);  // 1.5 to 4 hours
        people = r.range(2, 6);
        total = Frac(rate * halves, 2);
        each = total / Frac(people);
        wrong = {{Frac(rate, people), "shares the cost of one hour only"},
                 {total, "is the whole cost, not each friend's share"},
                 {Frac(rate * (halves / 2), people), "leaves out the half hour"}};
    } while (halves % 2 == 0 || !(each * Frac(100)).isInt() || !enoughWrong(each, wrong, true));
    QB q("hire_share", 2);
    q.param("rate", rate).paramDec("hours", Frac(halves, 2)).param("people", people);
    q.p(capitalised(numberWords(people)) + " friends hire a rowing boat for " +
        duration(halves * 30) + ". It costs " + money(rate) +
        " an hour, and they share the cost equally.");
    const int whole = halves / 2;
    auto costSteps = [&](const std::string& label) {
        addStep(q, label + "Cost of " + plural(whole, "hour", "hours") + ": " + S(whole) +
                       " &times; " + money(rate) + " = " + money(rate * whole) +
                       ". Cost of half an hour: " + money(rate) + " &divide; 2 = " +
                       money(Frac(rate, 2)) + ".");
        addStep(q, "The boat costs " + money(rate * whole) + " + " + money(Frac(rate, 2)) + " = " +
                       money(total) + ".");
    };
    const std::string share = "Each friend pays " + money(total) + " &divide; " + S(people) +
                              " = " + money(each) + ".";
    if (k == "NN") {
        q.subparts({{"How much does the boat cost altogether?", "dollars"},
                    {"How much does each friend pay?", "dollars"}});
        costSteps("(a) ");
        addStep(q, "(b) " + share);
        return q.part('N', total.dec()).part('N', each.dec()).done();
    }
    q.p("How much does each friend pay?");
    costSteps("");
    addStep(q, share);
    return answerNumber(q, r, k[0], each, "dollars", wrong).done();
}

Question lapsTime(Rng& r, const std::string& k) {
    int lap, secs, km;
    std::vector<Slip> wrong;
    do {
        lap = pickInt(r, {200, 250, 400, 500});
        secs = r.range(6, 15) * 10;  // a lap at 3 to 7 metres a second
        km = r.range(2, 10);
        wrong = {{Frac(km * 1000 / lap * secs), "gives the time in seconds, not minutes"},
                 {Frac(km * 1000 / lap), "is the number of laps, not the time"},
                 {Frac(km * secs, 60), "takes one lap as one kilometre"}};
    } while ((km * 1000) % lap || (km * 1000 / lap * secs) % 60 || lap < secs * 3 ||
             lap > secs * 7 || !enoughWrong(km * 1000 / lap * secs / 60, wrong));
    const int laps = km * 1000 / lap;
    QB q("laps_time", 2);
    q.param("lap", lap).param("secs", secs).param("km", km);
    q.p("A runner runs each " + qty(lap, "m") + " lap of a track in " + qty(secs, "seconds") +
        ". She keeps up the same pace for a race of " + qty(km, "km") + ".");
    auto lapSteps = [&](const std::string& label) {
        addStep(q, label + "The race: " + qty(km, "km") + " = " + S(km) + " &times; 1000&nbsp;m = " +
                       qty(km * 1000, "m") + ".");
        addStep(q, "Laps = " + qty(km * 1000, "m") + " &divide; " + qty(lap, "m") + " = " +
                       S(laps) + ".");
    };
    auto timeSteps = [&](const std::string& label) {
        addStep(q, label + "Time = " + S(laps) + " &times; " + qty(secs, "seconds") + " = " +
                       qty(laps * secs, "seconds") + ".");
        addStep(q, "In minutes: " + num(laps * secs) + " &divide; 60 = " +
                       qty(laps * secs / 60, "minutes") + ".");
    };
    if (k == "NN") {
        q.subparts({{"How many laps does she run?", "laps"},
                    {"How many minutes does the race take her?", "minutes"}});
        lapSteps("(a) ");
        timeSteps("(b) ");
        return q.part('N', S(laps)).part('N', S(laps * secs / 60)).done();
    }
    q.p("How many minutes does the race take her?");
    lapSteps("");
    timeSteps("");
    return answerNumber(q, r, k[0], laps * secs / 60, "minutes", wrong).done();
}

Question taxiFare(Rng& r, const std::string& k) {
    int fixedCents, perKm, km, km2;
    std::vector<Slip> wrong;
    do {
        fixedCents = r.range(5, 12) * 50;  // $2.50-6
        perKm = r.range(12, 30) * 10;      // $1.20-3 a kilometre
        km = r.range(3, 25);
        km2 = r.range(3, 25);
        const Frac fare(fixedCents + perKm * km, 100);
        wrong = {{Frac(perKm * km, 100), "leaves out the charge to get in"},
                 {Frac((fixedCents + perKm) * km, 100), "pays the charge to get in for every "
                                                        "kilometre"},
                 {Frac(fixedCents + perKm * (km - 1), 100), "counts one kilometre too few"}};
    } while (km == km2 || !enoughWrong(Frac(fixedCents + perKm * km, 100), wrong, true));
    const Frac fare(fixedCents + perKm * km, 100);
    const Frac fixed(fixedCents, 100), each(perKm, 100);
    QB q("taxi_fare", 2);
    q.paramDec("fixed", fixed).paramDec("perkm", each).param("km", km);
    q.p("A taxi charges " + money(fixed) + " to get in, and then " + money(each) +
        " for every kilometre.");
    auto fareSteps = [&](const std::string& label) {
        addStep(q, label + "Charge for the kilometres = " + product(each, km, "$") + ".");
        addStep(q, "Fare = " + money(fixed) + " + " + money(each * Frac(km)) + " = " +
                       money(fare) + ".");
    };
    if (k == "NN") {
        q.param("km2", km2);
        const Frac other(fixedCents + perKm * km2, 100);
        q.subparts({{"How much does a ride of " + qty(km, "km") + " cost?", "dollars"},
                    {"Another ride costs " + money(other) + ". How many kilometres long was it?",
                     "km"}});
        fareSteps("(a) ");
        addStep(q, "(b) Take off the charge to get in: " + money(other) + " &minus; " +
                       money(fixed) + " = " + money(other - fixed) + ".");
        addStep(q, "Kilometres = " + money(other - fixed) + " &divide; " + money(each) + " = " +
                       qty(perKm * km2, "cents") + " &divide; " + qty(perKm, "cents") + " = " +
                       S(km2) + ".");
        return q.part('N', fare.dec()).part('N', S(km2)).done();
    }
    q.p("How much does a ride of " + qty(km, "km") + " cost?");
    fareSteps("");
    return answerNumber(q, r, k[0], fare, "dollars", wrong).done();
}

Question unitPrice(Rng& r, const std::string& k) {
    struct Thing {
        const char* what;
        const char* unit;
        int per;  // the amount asked about
        const char* whole;  // a litre or a kilogram
    };
    static const std::vector<Thing> things = {{"A bottle of shampoo", "ml", 100, "a litre"},
                                              {"A bag of rice", "g", 100, "a kilogram"},
                                              {"A tin of paint", "ml", 100, "a litre"}};
    const Thing& t = r.pick(things);
    int size, cents;
    Frac ans;
    std::vector<Slip> wrong;
    do {
        size = pickInt(r, {250, 400, 500, 750, 800, 1000});
        cents = r.range(10, 32) * 25;  // $2.50-8
        ans = Frac(cents * t.per, size * 100);
        const Frac price(cents, 100);
        wrong = {{price * Frac(size, t.per), "multiplies the price by " + num(Frac(size, t.per)) +
                                                 " instead of dividing"},
                 {price / Frac(t.per), "divides the price by " + S(t.per) + " only"},
                 {price * Frac(t.per, 1000), std::string("works as if it held ") + t.whole}};
    } while (!(ans * Frac(100)).isInt() || !enoughWrong(ans, wrong, true));
    const Frac price(cents, 100);
    QB q("unit_price", 2);
    q.param("size", size).paramDec("price", price).param("per", t.per);
    q.p(std::string(t.what) + " holds " + qty(size, t.unit) + " and costs " + money(price) + ".");
    q.p("What is the cost of " + qty(t.per, t.unit) + "?");
    const Frac part(t.per, size);
    const std::string container = lowerCase(std::string(t.what).substr(2));
    addStep(q, "The " + container + " holds " + qty(size, t.unit) + ", and " + qty(t.per, t.unit) +
                   " is " + S(t.per) + "/" + S(size) + " = " + fracHtml(part) + " of it.");
    if (part.n == 1)
        addStep(q, "Cost of " + qty(t.per, t.unit) + " = " + fracHtml(part) + " &times; " +
                       money(price) + " = " + money(price) + " &divide; " + S(part.d) + " = " +
                       money(ans) + ".");
    else
        addStep(q, "Cost of " + qty(t.per, t.unit) + " = " + fracHtml(part) + " &times; " +
                       money(price) + " = " + money(price * Frac(part.n)) + " &divide; " +
                       S(part.d) + " = " + money(ans) + ".");
    return answerNumber(q, r, k[0], ans, "dollars", wrong).done();
}

Question rateScaleTime(Rng& r, const std::string& k) {
    const bool pulse = r.chance(50);
    int secs, count;
    std::vector<Slip> wrong;
    do {
        secs = pickInt(r, {10, 12, 15, 20, 30});
        count = pulse ? r.range(60, 100) * secs / 60 : r.range(6, 30) * secs / 60;
        wrong = {{Frac(count * secs), "multiplies by the seconds instead of by the number of "
                                      "times they fit into a minute"},
                 {Frac(count + 60 - secs), "adds the missing seconds to the count"},
                 {Frac(count * 60, secs) * Frac(60), "works out an hour, not a minute"}};
    } while ((count * 60) % secs || count < 3 || !enoughWrong(count * 60 / secs, wrong));
    QB q("rate_scale_time", 1);
    q.param("count", count).param("secs", secs).param("what", pulse ? "pulse" : "tap");
    if (pulse)
        q.p("A nurse counts " + S(count) + " heartbeats in " + qty(secs, "seconds") +
            ". How many heartbeats is that a minute?");
    else
        q.p("A tap fills " + plural(count, "litre", "litres") + " of a bath in " +
            qty(secs, "seconds") + ". How many litres does it fill in a minute?");
    const std::string unit = pulse ? "beats" : "litres";
    addStep(q, "A minute is 60 seconds, and 60 &divide; " + S(secs) + " = " + S(60 / secs) +
                   ", so a minute is " + S(60 / secs) + " lots of " + qty(secs, "seconds") + ".");
    addStep(q, "In a minute: " + S(count) + " &times; " + S(60 / secs) + " = " +
                   qty(count * 60 / secs, unit) + ".");
    return answerNumber(q, r, k[0], count * 60 / secs, unit, wrong).done();
}

Question twoTaps(Rng& r, const std::string& k) {
    int a, b, capacity;
    std::vector<Slip> wrong;
    do {
        a = r.range(5, 25);
        b = r.range(5, 25);
        capacity = (a + b) * r.range(4, 20);
        wrong = {{Frac(capacity, a), "is the time for the first hose alone"},
                 {Frac(capacity, b), "is the time for the second hose alone"},
                 {Frac(capacity, a) + Frac(capacity, b), "adds the times of the two hoses, as if "
                                                         "they took turns"}};
    } while (a == b || !enoughWrong(capacity / (a + b), wrong));
    QB q("two_taps", 2);
    q.param("a", a).param("b", b).param("capacity", capacity);
    q.p("A paddling pool holds " + qty(capacity, "litres") + ". One hose fills it at " +
        qty(a, "litres") + " a minute and a second hose at " + qty(b, "litres") +
        " a minute. Both are turned on together when the pool is empty.");
    q.p("How many minutes does it take to fill the pool?");
    addStep(q, "Together the hoses give " + S(a) + " + " + S(b) + " = " + qty(a + b, "litres") +
                   " a minute.");
    addStep(q, "Minutes = " + num(capacity) + " &divide; " + S(a + b) + " = " +
                   qty(capacity / (a + b), "minutes") + ".");
    return answerNumber(q, r, k[0], capacity / (a + b), "minutes", wrong).done();
}

Question thunderDistance(Rng& r, const std::string& k) {
    const int secs = r.range(2, 12);
    const Frac ans(secs * 340, 1000);
    QB q("thunder_distance", 2);
    q.param("secs", secs);
    q.p("Sound travels at about " + qty(340, "m/s") + ". " + r.pick(names()) +
        " hears the thunder " + plural(secs, "second", "seconds") +
        " after seeing a flash of lightning.");
    q.p("How far away is the storm, in kilometres?");
    addStep(q, "The light arrives almost at once, so the sound takes about " +
                   plural(secs, "second", "seconds") + " to arrive.");
    addStep(q, "Distance = speed &times; time: " + S(secs) + " &times; " + qty(340, "m") + " = " +
                   qty(secs * 340, "m") + ".");
    addStep(q, "In kilometres: " + qty(secs * 340, "m") + " = " + num(secs * 340) +
                   " &divide; 1000&nbsp;km = " + qty(ans, "km") + ".");
    return answerNumber(q, r, k[0], ans, "km",
                        std::vector<Slip>{{Frac(secs * 340), "leaves the distance in metres"},
                                          {Frac(340, 1000), "is the distance for one second only"},
                                          {Frac(secs * 340, 100), "divides by 100 instead of by "
                                                                  "1000"}})
        .done();
}

Question overnightArrival(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(timeStyles());
    int start, mins;
    do {
        start = r.range(19 * 12, 23 * 12 + 6) * 5;   // an evening departure
        mins = r.range(18, 80) * 5 + r.range(0, 4);  // 1.5 to 7 hours
    } while (start + mins <= 1440 || !clearOfNoonAndMidnight(start + mins) ||
             start + mins >= 1440 + 11 * 60);
    QB q("overnight_arrival", 2);
    q.param("start", hhmm(start)).param("mins", mins).param("style", style);
    q.p("A night bus leaves at " + clock12(start, style) + ". The journey takes " + duration(mins) +
        ".");
    q.p("At what time does the bus arrive the next morning?");
    q.note(timeNote(style, start + mins));
    q.answer();
    addStep(q, "Count on " + duration(mins) + " from " + clockText(start) +
                   ", the hours first and then the minutes; after midnight the times are am.");
    addStep(q, countOn(start, mins));
    return q.part('T', clock12(start + mins, style)).done();
}

Question speedCompareUnits(Rng& r, const std::string& k) {
    (void)k;
    for (;;) {
        // Four speeds in three units; compared in metres a minute they are all different.
        const int kmh = r.range(3, 30);        // km/h
        const int ms = r.range(2, 8);          // m/s
        const int mmin = r.range(5, 40) * 10;  // m/min
        const int kmh2 = r.range(3, 30);
        const std::vector<Frac> perMin = {Frac(kmh * 1000, 60), Frac(ms * 60), Frac(mmin),
                                          Frac(kmh2 * 1000, 60)};
        std::vector<Frac> sorted = perMin;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) continue;
        const std::vector<std::string> texts = {qty(kmh, "km/h"), qty(ms, "m/s"),
                                                qty(mmin, "m/min"), qty(kmh2, "km/h")};
        const auto best = static_cast<std::size_t>(std::max_element(perMin.begin(), perMin.end()) -
                                                   perMin.begin());
        // The largest number must not be the fastest, so the units have to be compared.
        const auto biggestNumber = std::max({kmh, ms, mmin, kmh2});
        if (texts[best].find(S(biggestNumber) + "&nbsp;") == 0) continue;
        // Each speed in km/h: an exact decimal in every unit used here.
        const std::vector<Frac> inKmh = {Frac(kmh), Frac(ms * 3600, 1000), Frac(mmin * 60, 1000),
                                         Frac(kmh2)};
        std::vector<TextSlip> wrong;
        for (std::size_t i = 0; i < 4; ++i) {
            if (i == best) continue;
            const bool biggest = texts[i].find(S(biggestNumber) + "&nbsp;") == 0;
            wrong.push_back({texts[i], biggest ? "has the biggest number, but is only " +
                                                     qty(inKmh[i], "km/h")
                                       : i == 0 || i == 3
                                           ? "is slower than " + qty(inKmh[best], "km/h")
                                           : "is only " + qty(inKmh[i], "km/h")});
        }
        QB q("speed_compare_units", 2);
        q.param("speeds",
                S(kmh) + "km/h," + S(ms) + "m/s," + S(mmin) + "m/min," + S(kmh2) + "km/h");
        q.p("Which of these speeds is the <b>fastest</b>?");
        addStep(q, "Change every speed into kilometres per hour. An hour is 60 minutes, or "
                   "60 &times; 60 = 3600 seconds.");
        addStep(q, "In km/h: " + texts[1] + " = " + S(ms) + " &times; 3600&nbsp;m an hour = " +
                       num(ms * 3600) + "&nbsp;m an hour = " + qty(inKmh[1], "km/h") + "; " +
                       texts[2] + " = " + S(mmin) + " &times; 60&nbsp;m an hour = " +
                       num(mmin * 60) + "&nbsp;m an hour = " + qty(inKmh[2], "km/h") + ".");
        std::string all;
        for (std::size_t i = 0; i < 4; ++i)
            all += std::string(i == 0 ? "" : i == 3 ? " and " : ", ") + qty(inKmh[i], "km/h");
        addStep(q, "The four speeds are " + all + ", so the fastest is " + texts[best] + ".");
        return q.choice(r, texts[best], wrong).done();
    }
}

Question speedMistake(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int s, mins;
    std::vector<Slip> wrong;
    do {
        s = r.range(8, 22) * 5;
        mins = pickInt(r, {20, 30, 40, 45, 50});
        const int d = s * mins / 60;
        wrong = {{Frac(d, mins), "is " + who + "'s answer, the distance in one minute"},
                 {Frac(d), "is the distance, not the speed"},
                 {Frac(d * 100, mins), "takes the minutes as hundredths of an hour"}};
    } while ((s * mins) % 60 || !exactDecimal(Frac(s * mins / 60, mins)) || !enoughWrong(s, wrong));
    const int d = s * mins / 60;
    QB q("speed_mistake", 2);
    q.param("d", d).param("mins", mins).param("who", who);
    q.p("A car travels " + qty(d, "km") + " in " + qty(mins, "minutes") + ". " + who + " divides " +
        S(d) + " by " + S(mins) + " and says the car's speed is " + num(Frac(d, mins)) +
        (d == mins ? "&nbsp;kilometre" : " kilometres") + " per hour.");
    q.p(who + " is wrong. What is the car's speed in kilometres per hour?");
    const Frac perMinute(d, mins);
    addStep(q, who + " divided the kilometres by the minutes, which gives the distance in one "
                     "minute, not in one hour.");
    addStep(q, "In one minute the car travels " + qty(d, "km") + " &divide; " + S(mins) + " = " +
                   qty(perMinute, "km") + ".");
    addStep(q, "An hour is 60 minutes, so in an hour it travels 60 &times; " +
                   qty(perMinute, "km") + " = " + qty(s, "km") + ": the speed is " +
                   qty(s, "km/h") + ".");
    return answerNumber(q, r, k[0], s, "km/h", wrong).done();
}

Question sprintSpeed(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int d;
    Frac t, ans;
    std::vector<Slip> wrong;
    do {
        d = pickInt(r, {60, 80, 100, 200});
        t = Frac(r.range(d / 8 * 2, d / 5 * 2), 2);  // 5 to 8 metres a second
        ans = Frac(d) / t;
        wrong = {{t / Frac(d), "divides the time by the distance"},
                 {Frac(d) * t, "multiplies instead of dividing"},
                 {Frac(d) - t, "subtracts the time from the distance"}};
    } while (t.isInt() || !enoughWrong(ans, wrong) || !(ans * Frac(100)).isInt());
    QB q("sprint_speed", 2);
    q.param("d", d).paramDec("t", t).param("who", who);
    q.p(who + " runs " + qty(d, "m") + " in " + qty(t, "seconds") + ".");
    q.p("What is " + who + "'s average speed in metres per second?");
    addStep(q, "Speed = distance &divide; time.");
    addStep(q, "To divide by " + num(t) + ", double both numbers first: " + S(d) + " &divide; " +
                   num(t) + " = " + S(2 * d) + " &divide; " + num(t * Frac(2)) + " = " + num(ans) +
                   ".");
    addStep(q, "So " + who + "'s average speed is " + qty(ans, "m/s") + ".");
    return answerNumber(q, r, k[0], ans, "m/s", wrong).done();
}

Question payCompare(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int r1, h1, r2, h2;
    do {
        r1 = r.range(20, 50);  // dollars an hour, in halves
        r2 = r.range(20, 50);
        h1 = r.range(3, 12);
        h2 = r.range(3, 12);
    } while (r1 == r2 || h1 == h2 || (r1 * h1 > r2 * h2) == (r1 > r2) || r1 * h1 == r2 * h2);
    const Frac pay1(r1 * h1, 2), pay2(r2 * h2, 2);
    QB q("pay_compare", 2);
    q.param("x", x)
        .paramDec("pay1", pay1)
        .param("h1", h1)
        .param("y", y)
        .paramDec("pay2", pay2)
        .param("h2", h2);
    q.p(x + " earned " + money(pay1) + " for " + plural(h1, "hour", "hours") + " of gardening. " +
        y + " earned " + money(pay2) + " for " + plural(h2, "hour", "hours") + " of babysitting.");
    q.p("Who was paid more for each hour?");
    q.note("Write the name.");
    q.answer();
    addStep(q, "Pay for each hour = pay &divide; hours.");
    addStep(q, x + ": " + money(pay1) + " &divide; " + S(h1) + " = " + money(Frac(r1, 2)) +
                   " an hour. " + y + ": " + money(pay2) + " &divide; " + S(h2) + " = " +
                   money(Frac(r2, 2)) + " an hour.");
    addStep(q, (r1 > r2 ? x : y) + " was paid more for each hour, though " + (r1 > r2 ? y : x) +
                   " earned more in all.");
    return q.part('T', r1 > r2 ? x : y).done();
}

}  // namespace

void addRate(std::vector<Family>& out) {
    out.push_back({"speed", 9, {"N", "Q"}, speed});
    out.push_back({"distance", 9, {"N", "Q"}, distance});
    out.push_back({"time_taken", 9, {"N", "Q"}, timeTaken});
    out.push_back({"arrival_time", 9, {"T"}, arrivalTime});
    out.push_back({"duration", 9, {"N", "Q"}, durationBetween});
    out.push_back({"work_rate", 9, {"N", "Q"}, workRate});
    out.push_back({"best_buy", 9, {"Q"}, bestBuy});
    out.push_back({"faster", 9, {"T"}, faster});
    out.push_back({"speed_convert", 9, {"N", "Q"}, speedConvert});
    out.push_back({"average_speed", 9, {"N", "Q"}, averageSpeed});
    out.push_back({"pay_rate", 9, {"N", "Q"}, payRate});
    out.push_back({"fuel_rate", 9, {"N", "Q"}, fuelRate});
    out.push_back({"journey_two", 9, {"NT"}, journeyTwo});
    out.push_back({"speed_two", 9, {"NN"}, speedTwo});
    out.push_back({"journey_three", 9, {"NNT", "NT"}, journeyThree});
    out.push_back({"journey_four", 9, {"NNNT"}, journeyFour});
    out.push_back({"tank_fill", 9, {"N", "Q", "NN"}, tankFill});
    out.push_back({"pay_overtime", 9, {"N", "Q", "NN"}, payOvertime});
    out.push_back({"meet_towards", 9, {"N", "Q", "NN"}, meetTowards});
    out.push_back({"catch_up", 9, {"N", "Q", "NN"}, catchUp});
    out.push_back({"leak_per_day", 9, {"N", "Q", "NN"}, leakPerDay});
    out.push_back({"saving_weeks", 9, {"N", "Q", "NN"}, savingWeeks});
    out.push_back({"hire_share", 9, {"N", "Q", "NN"}, hireShare});
    out.push_back({"laps_time", 9, {"N", "Q", "NN"}, lapsTime});
    out.push_back({"taxi_fare", 9, {"N", "Q", "NN"}, taxiFare});
    out.push_back({"unit_price", 9, {"N", "Q"}, unitPrice});
    out.push_back({"rate_scale_time", 9, {"N", "Q"}, rateScaleTime});
    out.push_back({"two_taps", 9, {"N", "Q"}, twoTaps});
    out.push_back({"thunder_distance", 9, {"N", "Q"}, thunderDistance});
    out.push_back({"overnight_arrival", 9, {"T"}, overnightArrival});
    out.push_back({"speed_compare_units", 9, {"Q"}, speedCompareUnits});
    out.push_back({"speed_mistake", 9, {"N", "Q"}, speedMistake});
    out.push_back({"sprint_speed", 9, {"N", "Q"}, sprintSpeed});
    out.push_back({"pay_compare", 9, {"T"}, payCompare});
    addRatePictures(out);
}
