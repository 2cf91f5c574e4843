// Rate and Speed told in words: speed, distance and time, times of day, rates of work, flow and
// pay, meeting and catching up, best buys and comparisons. Clocks, timetables, graphs, tables
// and charts are in fam_rate_pictures.cpp.

#include "drawing.h"
#include "families.h"

#include <algorithm>

namespace {

Question speed(Rng& r, const std::string& k) {
    const bool inMinutes = r.chance(40);
    int s, t, d;
    std::vector<Frac> wrong;
    do {
        s = r.range(8, 22) * 5;  // a car, 40-110 km/h
        t = inMinutes ? pickInt(r, {15, 20, 30, 40, 45, 90}) : r.range(2, 6);
        d = inMinutes ? s * t / 60 : s * t;
        wrong = inMinutes
                    ? std::vector<Frac>{Frac(d, t) /* the minutes taken as hours */,
                                        Frac(d) /* the distance taken as the speed */,
                                        Frac(d * t, 60) /* multiplied by the time */}
                    : std::vector<Frac>{Frac(d * t) /* multiplied */, Frac(d - t) /* subtracted */,
                                        Frac(d) /* the distance taken as the speed */};
    } while ((inMinutes && (s * t) % 60) || !enoughWrong(s, wrong));
    QB q("speed", 1);
    q.param("d", d).param("t", t).param("tunit", inMinutes ? "min" : "h");
    q.p("A car travels " + qty(d, "km") + " in " + (inMinutes ? duration(t) : qty(t, "hours")) +
        ". What is its average speed in kilometres per hour?");
    return answerNumber(q, r, k[0], s, "km/h", wrong).done();
}

Question distance(Rng& r, const std::string& k) {
    int s, mins;
    std::vector<Frac> wrong;
    do {
        s = r.range(10, 25) * 4;  // a coach, 40-100 km/h
        mins = pickInt(r, {30, 45, 90, 120, 150, 180, 210});
        wrong = {Frac(s) * (Frac(mins / 60) + Frac(mins % 60, 100)) /* 1 h 30 min read as 1.30 h */,
                 Frac(s) + Frac(mins, 60) /* added the time */,
                 Frac(s * mins, 60) + Frac(s) /* an hour too many */};
    } while (!enoughWrong(Frac(s * mins, 60), wrong));
    QB q("distance", 1);
    q.param("s", s).param("mins", mins);
    q.p("A coach travels at a steady " + qty(s, "km/h") + " for " + duration(mins) +
        ". How far does it travel?");
    return answerNumber(q, r, k[0], Frac(s * mins, 60), "km", wrong).done();
}

Question timeTaken(Rng& r, const std::string& k) {
    int s, d;
    std::vector<Frac> wrong;
    do {
        s = r.range(12, 25);  // a cyclist
        d = r.range(3, 60);
        wrong = {Frac(d * s) /* multiplied */,
                 Frac(d * 100, s) /* the hours written as minutes, 1.5 h as 150 */,
                 Frac(s * 60, d) /* divided the wrong way */};
    } while ((60 * d) % s || 60 * d / s > 300 || 60 * d / s < 10 ||
             !enoughWrong(60 * d / s, wrong));
    QB q("time_taken", 2);
    q.param("d", d).param("s", s);
    q.p("A cyclist rides " + qty(d, "km") + " at " + qty(s, "km/h") +
        ". How many minutes does the ride take?");
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
    return q.part('T', clock12(start + mins, style)).done();
}

Question durationBetween(Rng& r, const std::string& k) {
    const std::string style = r.pick(timeStyles());
    int start, mins;
    std::vector<Frac> wrong;
    do {
        start = dayTime(r);
        mins = r.range(85, 155);  // a film
        const int end = start + mins;
        const int asDecimals = (end / 60 * 100 + end % 60) - (start / 60 * 100 + start % 60);
        wrong = {Frac(asDecimals) /* subtracted the times as if they were decimals */,
                 Frac(mins / 60 * 60) /* the whole hours only */,
                 Frac(mins + 60) /* an hour too many */};
    } while (!clearOfNoonAndMidnight(start + mins) || start + mins >= 1440 ||
             !enoughWrong(mins, wrong));
    QB q("duration", 2);
    q.param("start", hhmm(start)).param("end", hhmm(start + mins));
    q.p("A film starts at " + clock12(start, style) + " and ends at " +
        clock12(start + mins, style) + ". How many minutes long is the film?");
    return answerNumber(q, r, k[0], mins, "minutes", wrong).done();
}

Question workRate(Rng& r, const std::string& k) {
    const bool askTime = r.chance(40);
    int rate, t;
    std::vector<Frac> wrong;
    do {
        rate = r.range(6, 45);
        t = r.range(4, 25);
        wrong = askTime ? std::vector<Frac>{Frac(rate * t - rate) /* subtracted the rate */,
                                            Frac(rate) /* the pages a minute */,
                                            Frac(rate * t * rate) /* multiplied by the rate */}
                        : std::vector<Frac>{Frac(rate + t) /* added */,
                                            Frac(rate * t + rate) /* a minute too many */,
                                            Frac(rate * (t - 1)) /* a minute too few */};
    } while (!enoughWrong(askTime ? t : rate * t, wrong));
    QB q("work_rate", 1);
    q.param("rate", rate).param("t", t).param("ask", askTime ? "time" : "amount");
    if (askTime) {
        q.p("A printer prints " + S(rate) +
            " pages every minute. How many minutes does it take to print " + num(rate * t) +
            " pages?");
        return answerNumber(q, r, k[0], t, "minutes", wrong).done();
    }
    q.p("A printer prints " + S(rate) + " pages every minute. How many pages does it print in " +
        S(t) + " minutes?");
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
    std::size_t best = 0;
    for (std::size_t i = 1; i < 4; ++i)
        if (unit[i] < unit[best]) best = i;
    std::vector<std::string> texts;
    std::string list;
    for (const auto& [n, price] : packs) {
        texts.push_back(S(n) + " rolls for " + moneyCents(price));  // a price list: all with cents
        list += (list.empty() ? "" : ",") + S(n) + "@" + price.fixed(2);
    }
    QB q("best_buy", 2);
    q.param("packs", list);
    q.p("A baker sells bread rolls in packs. Which pack gives the lowest price for each roll?");
    // The other packs: the cheapest pack, the biggest pack, and the rest.
    std::vector<std::string> wrong;
    for (std::size_t i = 0; i < 4; ++i)
        if (i != best) wrong.push_back(texts[i]);
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
    return q.part('T', d1 * t2 > d2 * t1 ? x : y).done();
}

Question speedConvert(Rng& r, const std::string& k) {
    const bool perSecond = r.chance(40);
    const int s = perSecond ? r.range(2, 8) * 18 : r.range(2, 15) * 3;  // a train; a boat
    QB q("speed_convert", 2);
    q.param("kmh", s).param("to", perSecond ? "m/s" : "m/min");
    if (perSecond) {
        q.p("A train travels at " + qty(s, "km/h") + ". What is this speed in metres per second?");
        return answerNumber(
                   q, r, k[0], Frac(s * 5, 18), "m/s",
                   {Frac(s * 1000, 60) /* metres a minute */,
                    Frac(s * 36, 10) /* multiplied by 3.6 */, Frac(s, 60) /* divided by 60 only */})
            .done();
    }
    q.p("A boat travels at " + qty(s, "km/h") + ". What is this speed in metres per minute?");
    return answerNumber(q, r, k[0], Frac(s * 1000, 60), "m/min",
                        {Frac(s * 60) /* multiplied by 60 */, Frac(s * 1000) /* metres an hour */,
                         Frac(s * 1000, 100) /* divided by 100, not 60 */})
        .done();
}

Question averageSpeed(Rng& r, const std::string& k) {
    int d1, t1, d2, t2;
    std::vector<Frac> wrong;
    do {  // lorry speeds between 30 and 90 km/h on each stretch
        t1 = r.range(1, 4);
        t2 = r.range(1, 4);
        d1 = r.range(6, 18) * 5 * t1;
        d2 = r.range(6, 18) * 5 * t2;
        wrong = {(Frac(d1, t1) + Frac(d2, t2)) / Frac(2) /* the mean of the two speeds */,
                 Frac(d1 + d2) /* the whole distance */,
                 Frac(d1 + d2, 2) /* the distance halved */};
    } while ((d1 + d2) % (t1 + t2) || d1 * t2 == d2 * t1 || t1 == t2 ||
             !enoughWrong((d1 + d2) / (t1 + t2), wrong));
    QB q("average_speed", 3);
    q.param("d1", d1).param("t1", t1).param("d2", d2).param("t2", t2);
    q.p("A lorry travels " + qty(d1, "km") + " in " + plural(t1, "hour", "hours") +
        ", then another " + qty(d2, "km") + " in " + plural(t2, "hour", "hours") + ".");
    q.p("What is its average speed for the whole journey?");
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
    return answerNumber(q, r, k[0], rate * Frac(hours), "dollars",
                        {rate + Frac(hours) /* added */, rate * Frac(hours - 1) /* an hour short */,
                         rate * Frac(hours) * Frac(2) /* doubled */})
        .done();
}

Question fuelRate(Rng& r, const std::string& k) {
    int per100, km;
    std::vector<Frac> wrong;
    do {
        per100 = r.range(4, 12);
        km = r.range(3, 40) * 50;
        wrong = {Frac(per100 * km, 10) /* divided by 10, not 100 */,
                 Frac(km, per100) /* divided the distance by the litres */,
                 Frac(per100 * km, 100) + Frac(per100) /* another 100 km */};
    } while (km == 100 || !enoughWrong(Frac(per100 * km, 100), wrong));
    QB q("fuel_rate", 2);
    q.param("per100", per100).param("km", km);
    q.p("A car uses " + qty(per100, "litres") + " of petrol for every " + qty(100, "km") +
        " it travels. How many litres does it use to travel " + qty(km, "km") + "?");
    return answerNumber(q, r, k[0], Frac(per100 * km, 100), "litres", wrong).done();
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
    const int mins = 60 * h1 + 60 * d2 / s2;
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
    if (k == "NT") {
        q.subparts({{"How many minutes does the whole journey take?", "minutes"},
                    {"At what time do they arrive? " + timeNote(style, start + mins), ""}});
        return q.part('N', S(mins)).part('T', clock12(start + mins, style)).done();
    }
    q.subparts({{"How far do they drive on the motorway?", "km"},
                {"How many minutes does the whole journey take?", "minutes"},
                {"At what time do they arrive? " + timeNote(style, start + mins), ""}});
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
    return q.part('N', S(d1))
        .part('N', S(d2))
        .part('N', S(d1 + d2))
        .part('T', clock12(start + m1 + m2 + 15, style))
        .done();
}

// ---- Rates of flow, work and pay ----

Question tankFill(Rng& r, const std::string& k) {
    int capacity, rate, already;
    std::vector<Frac> wrong;
    do {
        rate = r.range(4, 30);
        capacity = rate * r.range(10, 60);
        already = r.range(1, 3) * capacity / 4;
        wrong = {Frac(capacity * rate) /* multiplied */, Frac(capacity - rate) /* subtracted */,
                 Frac(capacity, rate * 60) /* hours, not minutes */};
    } while (capacity % 4 || capacity > 2000 || !enoughWrong(capacity / rate, wrong));
    QB q("tank_fill", 2);
    q.param("capacity", capacity).param("rate", rate).param("already", already);
    q.p("A water tank holds " + qty(capacity, "litres") + ". A tap fills it at " +
        qty(rate, "litres") + " a minute.");
    if (k == "NN") {
        q.subparts({{"How many minutes does the tap take to fill the empty tank?", "minutes"},
                    {"One day the tank already holds " + qty(already, "litres") +
                         ". How many minutes does the tap take to fill it?",
                     "minutes"}});
        return q.part('N', S(capacity / rate))
            .part('N', Frac(capacity - already, rate).dec())
            .done();
    }
    q.p("How many minutes does the tap take to fill the empty tank?");
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
    if (k == "NN") {
        q.subparts({{"How much is " + who + " paid for an hour of overtime?", "dollars"},
                    {"How much was " + who + " paid last week?", "dollars"}});
        return q.part('N', S(overtime)).part('N', S(total)).done();
    }
    q.p("How much was " + who + " paid last week?");
    return answerNumber(q, r, k[0], total, "dollars",
                        {Frac(rate * (hours + extra)) /* overtime at the usual rate */,
                         Frac(rate * hours + rate / 2 * extra) /* only the half for overtime */,
                         Frac(rate * hours) /* the overtime left out */})
        .done();
}

Question meetTowards(Rng& r, const std::string& k) {
    const auto [x, y] = twoNames(r);
    int s1, s2, d;
    std::vector<Frac> wrong;
    do {
        s1 = r.range(12, 25);  // cyclists
        s2 = r.range(12, 25);
        d = r.range(5, 40);
        const int gap = std::max(1, s1 > s2 ? s1 - s2 : s2 - s1);
        wrong = {Frac(d * 60, std::max(s1, s2)) /* only one cyclist moving */,
                 Frac(d * 60, gap) /* the difference of the speeds */,
                 Frac(d * 30, s1 + s2) /* half the time */};
    } while (s1 == s2 || (d * 60) % (s1 + s2) || !enoughWrong(d * 60 / (s1 + s2), wrong));
    QB q("meet_towards", 3);
    q.param("s1", s1).param("s2", s2).param("d", d);
    q.p(x + " and " + y + " live " + qty(d, "km") +
        " apart. At the same moment they set off on "
        "their bikes towards each other, " +
        x + " at " + qty(s1, "km/h") + " and " + y + " at " + qty(s2, "km/h") + ".");
    if (k == "NN") {
        q.subparts(
            {{"By how many kilometres does the distance between them shrink each hour?", "km"},
             {"How many minutes after setting off do they meet?", "minutes"}});
        return q.part('N', S(s1 + s2)).part('N', S(d * 60 / (s1 + s2))).done();
    }
    q.p("How many minutes after setting off do they meet?");
    return answerNumber(q, r, k[0], d * 60 / (s1 + s2), "minutes", wrong).done();
}

Question catchUp(Rng& r, const std::string& k) {
    int v1, v2, late;
    std::vector<Frac> wrong;
    do {
        v1 = r.range(8, 16) * 5;  // a lorry, 40-80 km/h
        v2 = v1 + r.range(1, 6) * 5;
        late = pickInt(r, {15, 20, 30, 45, 60});
        const int head = v1 * late;  // in km / 60
        wrong = {Frac(head, v2) /* divided by the faster speed */,
                 Frac(late) /* the head start in minutes */,
                 Frac(head, v2 + v1) /* added the speeds */};
    } while ((v1 * late) % 60 || (v1 * late) % (v2 - v1) ||
             !enoughWrong(v1 * late / (v2 - v1), wrong));
    const int head = v1 * late / 60;
    const int mins = v1 * late / (v2 - v1);
    QB q("catch_up", 3);
    q.param("v1", v1).param("v2", v2).param("late", late);
    q.p("A lorry leaves a depot and drives along a motorway at " + qty(v1, "km/h") + ". " +
        qty(late, "minutes") + " later a van leaves the same depot and follows it at " +
        qty(v2, "km/h") + ".");
    if (k == "NN") {
        q.subparts({{"How far ahead is the lorry when the van sets off?", "km"},
                    {"How many minutes after setting off does the van catch up with the lorry?",
                     "minutes"}});
        return q.part('N', S(head)).part('N', S(mins)).done();
    }
    q.p("How many minutes after setting off does the van catch up with the lorry?");
    return answerNumber(q, r, k[0], mins, "minutes", wrong).done();
}

Question leakPerDay(Rng& r, const std::string& k) {
    int ml;
    std::vector<Frac> wrong;
    do {
        ml = r.range(2, 25) * 5;  // a dripping tap, millilitres a minute
        wrong = {Frac(ml * 60 * 24) /* left in millilitres */,
                 Frac(ml * 24, 1000) /* forgot the minutes in an hour */,
                 Frac(ml * 60, 1000) /* one hour, not a day */};
    } while (!enoughWrong(Frac(ml * 60 * 24, 1000), wrong));
    QB q("leak_per_day", 2);
    q.param("ml", ml);
    q.p("A dripping tap wastes " + qty(ml, "ml") + " of water every minute.");
    if (k == "NN") {
        q.subparts({{"How many millilitres does it waste in an hour?", "ml"},
                    {"How many litres does it waste in a day?", "litres"}});
        return q.part('N', S(ml * 60)).part('N', Frac(ml * 60 * 24, 1000).dec()).done();
    }
    q.p("How many litres of water does it waste in a day?");
    return answerNumber(q, r, k[0], Frac(ml * 60 * 24, 1000), "litres", wrong).done();
}

Question savingWeeks(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int price, has, weekly;
    std::vector<Frac> wrong;
    do {
        price = r.range(15, 60) * 10;  // a bicycle or a games console, $150-600
        has = r.range(2, 12) * 10;
        weekly = pickInt(r, {5, 8, 10, 12, 15, 20, 25});
        wrong = {Frac(price, weekly) /* forgot the money already saved */,
                 Frac(price - has) /* the money still needed */,
                 Frac(price + has, weekly) /* added the savings */};
    } while (has >= price || (price - has) % weekly || !enoughWrong((price - has) / weekly, wrong));
    QB q("saving_weeks", 2);
    q.param("price", price).param("has", has).param("weekly", weekly);
    q.p(who + " wants to buy a bicycle that costs " + money(price) + ". " + who + " has saved " +
        money(has) + " and saves another " + money(weekly) + " every week.");
    if (k == "NN") {
        q.subparts({{"How much more money does " + who + " need?", "dollars"},
                    {"How many weeks will it take to save it?", "weeks"}});
        return q.part('N', S(price - has)).part('N', S((price - has) / weekly)).done();
    }
    q.p("How many weeks will it take " + who + " to save enough?");
    return answerNumber(q, r, k[0], (price - has) / weekly, "weeks", wrong).done();
}

Question hireShare(Rng& r, const std::string& k) {
    int rate, halves, people;
    Frac total, each;
    std::vector<Frac> wrong;
    do {
        rate = r.range(8, 30);   // a rowing boat, dollars an hour
        halves = r.range(3, 8);  // 1.5 to 4 hours
        people = r.range(2, 6);
        total = Frac(rate * halves, 2);
        each = total / Frac(people);
        wrong = {Frac(rate, people) /* one hour only */, total /* the whole cost */,
                 Frac(rate * (halves / 2), people) /* the half hour left out */};
    } while (halves % 2 == 0 || !(each * Frac(100)).isInt() || !enoughWrong(each, wrong, true));
    QB q("hire_share", 2);
    q.param("rate", rate).paramDec("hours", Frac(halves, 2)).param("people", people);
    q.p(capitalised(numberWords(people)) + " friends hire a rowing boat for " +
        duration(halves * 30) + ". It costs " + money(rate) +
        " an hour, and they share the cost equally.");
    if (k == "NN") {
        q.subparts({{"How much does the boat cost altogether?", "dollars"},
                    {"How much does each friend pay?", "dollars"}});
        return q.part('N', total.dec()).part('N', each.dec()).done();
    }
    q.p("How much does each friend pay?");
    return answerNumber(q, r, k[0], each, "dollars", wrong).done();
}

Question lapsTime(Rng& r, const std::string& k) {
    int lap, secs, km;
    std::vector<Frac> wrong;
    do {
        lap = pickInt(r, {200, 250, 400, 500});
        secs = r.range(6, 15) * 10;  // a lap at 3 to 7 metres a second
        km = r.range(2, 10);
        wrong = {Frac(km * 1000 / lap * secs) /* the seconds, not the minutes */,
                 Frac(km * 1000 / lap) /* the number of laps */,
                 Frac(km * secs, 60) /* one lap a kilometre */};
    } while ((km * 1000) % lap || (km * 1000 / lap * secs) % 60 || lap < secs * 3 ||
             lap > secs * 7 || !enoughWrong(km * 1000 / lap * secs / 60, wrong));
    const int laps = km * 1000 / lap;
    QB q("laps_time", 2);
    q.param("lap", lap).param("secs", secs).param("km", km);
    q.p("A runner runs each " + qty(lap, "m") + " lap of a track in " + qty(secs, "seconds") +
        ". She keeps up the same pace for a race of " + qty(km, "km") + ".");
    if (k == "NN") {
        q.subparts({{"How many laps does she run?", "laps"},
                    {"How many minutes does the race take her?", "minutes"}});
        return q.part('N', S(laps)).part('N', S(laps * secs / 60)).done();
    }
    q.p("How many minutes does the race take her?");
    return answerNumber(q, r, k[0], laps * secs / 60, "minutes", wrong).done();
}

Question taxiFare(Rng& r, const std::string& k) {
    int fixedCents, perKm, km, km2;
    std::vector<Frac> wrong;
    do {
        fixedCents = r.range(5, 12) * 50;  // $2.50-6
        perKm = r.range(12, 30) * 10;      // $1.20-3 a kilometre
        km = r.range(3, 25);
        km2 = r.range(3, 25);
        const Frac fare(fixedCents + perKm * km, 100);
        wrong = {Frac(perKm * km, 100) /* the charge to get in left out */,
                 Frac((fixedCents + perKm) * km, 100) /* the charge to get in every kilometre */,
                 Frac(fixedCents + perKm * (km - 1), 100) /* a kilometre short */};
    } while (km == km2 || !enoughWrong(Frac(fixedCents + perKm * km, 100), wrong, true));
    const Frac fare(fixedCents + perKm * km, 100);
    QB q("taxi_fare", 2);
    q.paramDec("fixed", Frac(fixedCents, 100)).paramDec("perkm", Frac(perKm, 100)).param("km", km);
    q.p("A taxi charges " + money(Frac(fixedCents, 100)) + " to get in, and then " +
        money(Frac(perKm, 100)) + " for every kilometre.");
    if (k == "NN") {
        q.param("km2", km2);
        q.subparts({{"How much does a ride of " + qty(km, "km") + " cost?", "dollars"},
                    {"Another ride costs " + money(Frac(fixedCents + perKm * km2, 100)) +
                         ". How many kilometres long was it?",
                     "km"}});
        return q.part('N', fare.dec()).part('N', S(km2)).done();
    }
    q.p("How much does a ride of " + qty(km, "km") + " cost?");
    return answerNumber(q, r, k[0], fare, "dollars", wrong).done();
}

Question unitPrice(Rng& r, const std::string& k) {
    struct Thing {
        const char* what;
        const char* unit;
        int per;  // the amount asked about
    };
    static const std::vector<Thing> things = {{"A bottle of shampoo", "ml", 100},
                                              {"A bag of rice", "g", 100},
                                              {"A tin of paint", "ml", 100}};
    const Thing& t = r.pick(things);
    int size, cents;
    Frac ans;
    std::vector<Frac> wrong;
    do {
        size = pickInt(r, {250, 400, 500, 750, 800, 1000});
        cents = r.range(10, 32) * 25;  // $2.50-8
        ans = Frac(cents * t.per, size * 100);
        const Frac price(cents, 100);
        wrong = {price * Frac(size, t.per) /* multiplied instead of divided */,
                 price / Frac(t.per) /* divided by the amount asked only */,
                 price * Frac(t.per, 1000) /* as if it held a litre or a kilogram */};
    } while (!(ans * Frac(100)).isInt() || !enoughWrong(ans, wrong, true));
    QB q("unit_price", 2);
    q.param("size", size).paramDec("price", Frac(cents, 100)).param("per", t.per);
    q.p(std::string(t.what) + " holds " + qty(size, t.unit) + " and costs " +
        money(Frac(cents, 100)) + ".");
    q.p("What is the cost of " + qty(t.per, t.unit) + "?");
    return answerNumber(q, r, k[0], ans, "dollars", wrong).done();
}

Question rateScaleTime(Rng& r, const std::string& k) {
    const bool pulse = r.chance(50);
    int secs, count;
    std::vector<Frac> wrong;
    do {
        secs = pickInt(r, {10, 12, 15, 20, 30});
        count = pulse ? r.range(60, 100) * secs / 60 : r.range(6, 30) * secs / 60;
        wrong = {Frac(count * secs) /* multiplied by the seconds */,
                 Frac(count + 60 - secs) /* added the missing seconds */,
                 Frac(count * 60, secs) * Frac(60) /* an hour, not a minute */};
    } while ((count * 60) % secs || count < 3 || !enoughWrong(count * 60 / secs, wrong));
    QB q("rate_scale_time", 1);
    q.param("count", count).param("secs", secs).param("what", pulse ? "pulse" : "tap");
    if (pulse)
        q.p("A nurse counts " + S(count) + " heartbeats in " + qty(secs, "seconds") +
            ". How many heartbeats is that a minute?");
    else
        q.p("A tap fills " + plural(count, "litre", "litres") + " of a bath in " +
            qty(secs, "seconds") + ". How many litres does it fill in a minute?");
    return answerNumber(q, r, k[0], count * 60 / secs, pulse ? "beats" : "litres", wrong).done();
}

Question twoTaps(Rng& r, const std::string& k) {
    int a, b, capacity;
    std::vector<Frac> wrong;
    do {
        a = r.range(5, 25);
        b = r.range(5, 25);
        capacity = (a + b) * r.range(4, 20);
        wrong = {Frac(capacity, a) /* tap A alone */, Frac(capacity, b) /* tap B alone */,
                 Frac(capacity, a) + Frac(capacity, b) /* the two times added */};
    } while (a == b || !enoughWrong(capacity / (a + b), wrong));
    QB q("two_taps", 2);
    q.param("a", a).param("b", b).param("capacity", capacity);
    q.p("A paddling pool holds " + qty(capacity, "litres") + ". One hose fills it at " +
        qty(a, "litres") + " a minute and a second hose at " + qty(b, "litres") +
        " a minute. Both are turned on together when the pool is empty.");
    q.p("How many minutes does it take to fill the pool?");
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
    return answerNumber(q, r, k[0], ans, "km",
                        {Frac(secs * 340) /* left in metres */,
                         Frac(340, 1000) /* the distance of one second */,
                         Frac(secs * 340, 100) /* divided by 100, not 1000 */})
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
        std::vector<std::string> wrong;
        for (std::size_t i = 0; i < 4; ++i)
            if (i != best) wrong.push_back(texts[i]);
        QB q("speed_compare_units", 2);
        q.param("speeds",
                S(kmh) + "km/h," + S(ms) + "m/s," + S(mmin) + "m/min," + S(kmh2) + "km/h");
        q.p("Which of these speeds is the <b>fastest</b>?");
        return q.choice(r, texts[best], wrong).done();
    }
}

Question speedMistake(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int s, mins;
    std::vector<Frac> wrong;
    do {
        s = r.range(8, 22) * 5;
        mins = pickInt(r, {20, 30, 40, 45, 50});
        const int d = s * mins / 60;
        wrong = {Frac(d, mins) /* the distance divided by the minutes, as in the text */,
                 Frac(d) /* the distance */,
                 Frac(d * 100, mins) /* the minutes taken as hundredths of an hour */};
    } while ((s * mins) % 60 || !exactDecimal(Frac(s * mins / 60, mins)) || !enoughWrong(s, wrong));
    const int d = s * mins / 60;
    QB q("speed_mistake", 2);
    q.param("d", d).param("mins", mins).param("who", who);
    q.p("A car travels " + qty(d, "km") + " in " + qty(mins, "minutes") + ". " + who + " divides " +
        S(d) + " by " + S(mins) + " and says the car's speed is " + num(Frac(d, mins)) +
        (d == mins ? "&nbsp;kilometre" : " kilometres") + " per hour.");
    q.p(who + " is wrong. What is the car's speed in kilometres per hour?");
    return answerNumber(q, r, k[0], s, "km/h", wrong).done();
}

Question sprintSpeed(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    int d;
    Frac t, ans;
    std::vector<Frac> wrong;
    do {
        d = pickInt(r, {60, 80, 100, 200});
        t = Frac(r.range(d / 8 * 2, d / 5 * 2), 2);  // 5 to 8 metres a second
        ans = Frac(d) / t;
        wrong = {t / Frac(d) /* divided the wrong way */, Frac(d) * t /* multiplied */,
                 Frac(d) - t /* subtracted */};
    } while (t.isInt() || !enoughWrong(ans, wrong) || !(ans * Frac(100)).isInt());
    QB q("sprint_speed", 2);
    q.param("d", d).paramDec("t", t).param("who", who);
    q.p(who + " runs " + qty(d, "m") + " in " + qty(t, "seconds") + ".");
    q.p("What is " + who + "'s average speed in metres per second?");
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
