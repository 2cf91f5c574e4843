// Rate and Speed: speed, distance and time, times of day, rates of work and pay, best buys.

#include "families.h"

#include <algorithm>

namespace {

// Three ways a time of day may be asked for; the question names the one it wants.
const std::vector<std::string> kTimeStyles = {"dot", "colon", "caps"};

std::string clock12(int minutes, const std::string& style) {
    const int t = ((minutes % 1440) + 1440) % 1440;
    const int h24 = t / 60;
    const int m = t % 60;
    const int h = h24 % 12 == 0 ? 12 : h24 % 12;
    const std::string mm = (m < 10 ? "0" : "") + S(m);
    const bool pm = h24 >= 12;
    if (style == "colon") return S(h) + ":" + mm + (pm ? "pm" : "am");
    if (style == "caps") return S(h) + "." + mm + (pm ? " PM" : " AM");
    return S(h) + "." + mm + (pm ? " pm" : " am");
}

std::string timeNote(const std::string& style) {
    if (style == "colon") return "Write the time in the form 3:15pm, for example 9:05am.";
    if (style == "caps") return "Write the time in the form 3.15 PM, for example 9.05 AM.";
    return "Write the time in the form 3.15 pm, for example 9.05 am.";
}

// A start time whose arrival time is never exactly noon or midnight (12.00 reads either way).
int startTime(Rng& r) {
    return r.range(6 * 12, 21 * 12) * 5 + r.range(0, 4);
}

bool clean(int t) {
    return (t % 720) != 0;
}

std::string durationText(int mins) {
    const int h = mins / 60;
    const int m = mins % 60;
    std::string s;
    if (h) s = S(h) + (h == 1 ? " hour" : " hours");
    if (m) s += (s.empty() ? "" : " ") + S(m) + " minutes";
    return s;
}

Question speed(Rng& r, const std::string& k) {
    int s = r.range(4, 24) * 5;
    const bool inMinutes = r.chance(40);
    int t = 0;
    int d = 0;
    if (inMinutes) {
        do {
            s = r.range(4, 24) * 5;
            t = r.pick(std::vector<int>{15, 20, 30, 40, 45, 90});
        } while ((s * t) % 60);
        d = s * t / 60;
    } else {
        t = r.range(2, 6);
        d = s * t;
    }
    QB q("speed", 1);
    q.param("d", d).param("t", t).param("tunit", inMinutes ? "min" : "h");
    q.p("A car travels " + S(d) + " km in " + (inMinutes ? durationText(t) : S(t) + " hours") +
        ". What is its average speed in kilometres per hour?");
    return q.number(r, k[0], s, "km/h", {d * t, s + 10, inMinutes ? d : s * 2}).done();
}

Question distance(Rng& r, const std::string& k) {
    const int s = r.range(10, 25) * 4;
    const int mins = r.pick(std::vector<int>{30, 45, 90, 120, 150, 180, 210});
    QB q("distance", 1);
    q.param("s", s).param("mins", mins);
    q.p("A coach travels at a steady " + S(s) + " km/h for " + durationText(mins) +
        ". How far does it travel?");
    return q
        .number(r, k[0], Frac(s * mins, 60), "km",
                {Frac(s * mins / 100), Frac(s) + Frac(mins, 60), Frac(s * mins, 60) + Frac(s)})
        .done();
}

Question timeTaken(Rng& r, const std::string& k) {
    int s, d;
    do {
        s = r.range(8, 30);
        d = r.range(3, 60);
    } while ((60 * d) % s || 60 * d / s > 300 || 60 * d / s < 10);
    QB q("time_taken", 2);
    q.param("d", d).param("s", s);
    q.p("A cyclist rides " + S(d) + " km at " + S(s) +
        " km/h. How many minutes does the ride take?");
    const int ans = 60 * d / s;
    return q
        .number(r, k[0], ans, "minutes", {Frac(d * s), ans + 10, ans > 60 ? ans - 60 : ans + 60})
        .done();
}

Question arrivalTime(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(kTimeStyles);
    int start, mins;
    do {
        start = startTime(r);
        mins = r.range(3, 60) * 5 + r.range(0, 4);
    } while (!clean(start) || !clean(start + mins) || start + mins >= 1440);
    QB q("arrival_time", 2);
    q.param("start", S(start / 60) + ":" + (start % 60 < 10 ? "0" : "") + S(start % 60))
        .param("mins", mins)
        .param("style", style);
    q.p("A train leaves at " + clock12(start, style) + ". The journey takes " + durationText(mins) +
        ".");
    q.p("At what time does the train arrive?");
    q.note(timeNote(style));
    q.answer();
    return q.part('T', clock12(start + mins, style)).done();
}

Question durationBetween(Rng& r, const std::string& k) {
    const std::string style = r.pick(kTimeStyles);
    int start, mins;
    do {
        start = startTime(r);
        mins = r.range(4, 50) * 5 + r.range(0, 4);
    } while (!clean(start) || !clean(start + mins) || start + mins >= 1440);
    QB q("duration", 2);
    q.param("start", S(start / 60) + ":" + (start % 60 < 10 ? "0" : "") + S(start % 60))
        .param("end", S((start + mins) / 60) + ":" + ((start + mins) % 60 < 10 ? "0" : "") +
                          S((start + mins) % 60));
    q.p("A film starts at " + clock12(start, style) + " and ends at " +
        clock12(start + mins, style) + ". How many minutes long is the film?");
    return q
        .number(r, k[0], mins, "minutes",
                {mins + 40, mins - 40 > 0 ? mins - 40 : mins + 60, mins + 60})
        .done();
}

Question workRate(Rng& r, const std::string& k) {
    const int rate = r.range(6, 45);
    const int t = r.range(4, 25);
    const bool askTime = r.chance(40);
    QB q("work_rate", 1);
    q.param("rate", rate).param("t", t).param("ask", askTime ? "time" : "amount");
    if (askTime) {
        q.p("A printer prints " + S(rate) +
            " pages every minute. How many minutes does it take to print " + S(rate * t) +
            " pages?");
        return q.number(r, k[0], t, "minutes", {t * 2, rate, t + 5}).done();
    }
    q.p("A printer prints " + S(rate) + " pages every minute. How many pages does it print in " +
        S(t) + " minutes?");
    return q.number(r, k[0], rate * t, "pages", {rate + t, rate * t + rate, rate * (t - 1)}).done();
}

Question bestBuy(Rng& r, const std::string& k) {
    (void)k;
    std::vector<std::pair<int, Frac>> packs;  // items, price
    std::vector<Frac> unit;
    while (packs.size() < 4) {
        const int n = r.pick(std::vector<int>{2, 4, 5, 6, 8, 10, 12});
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
    std::vector<std::string> wrong;
    for (std::size_t i = 0; i < 4; ++i)
        if (i != best) wrong.push_back(texts[i]);
    return q.choice(r, texts[best], wrong).done();
}

Question faster(Rng& r, const std::string& k) {
    (void)k;
    const auto [x, y] = twoNames(r);
    int d1, t1, d2, t2;
    do {
        d1 = r.range(2, 8) * 50;
        d2 = r.range(2, 8) * 50;
        t1 = r.range(30, 120);
        t2 = r.range(30, 120);
    } while (d1 == d2 || d1 * t2 == d2 * t1 || (d1 > d2) == (d1 * t2 > d2 * t1));
    QB q("faster", 1);
    q.param("x", x).param("d1", d1).param("t1", t1).param("y", y).param("d2", d2).param("t2", t2);
    q.p(x + " runs " + S(d1) + " m in " + S(t1) + " seconds. " + y + " runs " + S(d2) + " m in " +
        S(t2) + " seconds.");
    q.p("Who runs at the greater average speed?");
    q.note("Write the name.");
    q.answer();
    return q.part('T', d1 * t2 > d2 * t1 ? x : y).done();
}

Question speedConvert(Rng& r, const std::string& k) {
    const bool perSecond = r.chance(40);
    const int s = perSecond ? r.range(1, 8) * 18 : r.range(1, 30) * 3;
    QB q("speed_convert", 2);
    q.param("kmh", s).param("to", perSecond ? "m/s" : "m/min");
    if (perSecond) {
        q.p("A train travels at " + S(s) + " km/h. What is this speed in metres per second?");
        return q.number(r, k[0], s * 5 / 18, "m/s", {s * 1000 / 60, s * 10, s * 5 / 18 + 5}).done();
    }
    q.p("A boat travels at " + S(s) + " km/h. What is this speed in metres per minute?");
    return q.number(r, k[0], s * 1000 / 60, "m/min", {s * 60, s * 1000, s * 1000 / 60 + 10}).done();
}

Question averageSpeed(Rng& r, const std::string& k) {
    int d1, t1, d2, t2;
    do {  // lorry speeds between 30 and 90 km/h on each stretch
        t1 = r.range(1, 4);
        t2 = r.range(1, 4);
        d1 = r.range(6, 18) * 5 * t1;
        d2 = r.range(6, 18) * 5 * t2;
    } while ((d1 + d2) % (t1 + t2) || d1 * t2 == d2 * t1);
    QB q("average_speed", 3);
    q.param("d1", d1).param("t1", t1).param("d2", d2).param("t2", t2);
    q.p("A lorry travels " + S(d1) + " km in " + S(t1) + (t1 == 1 ? " hour" : " hours") +
        ", then another " + S(d2) + " km in " + S(t2) + (t2 == 1 ? " hour." : " hours."));
    q.p("What is its average speed for the whole journey?");
    const int ans = (d1 + d2) / (t1 + t2);
    return q.number(r, k[0], ans, "km/h", {d1 + d2, ans + 5, ans > 10 ? ans - 5 : ans + 10}).done();
}

Question payRate(Rng& r, const std::string& k) {
    const std::string who = r.pick(names());
    const Frac rate(r.range(16, 50), 2);
    const int hours = r.range(3, 40);
    QB q("pay_rate", 1);
    q.paramDec("rate", rate).param("hours", hours).param("who", who);
    q.p(who + " is paid " + money(rate) + " an hour and works for " + S(hours) +
        " hours. How much is " + who + " paid?");
    return q
        .number(r, k[0], rate * Frac(hours), "dollars",
                {rate + Frac(hours), rate * Frac(hours - 1), rate * Frac(hours) * Frac(2)})
        .done();
}

Question journeyTwo(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(kTimeStyles);
    int s, d, start;
    do {
        s = r.range(6, 20) * 5;
        d = r.range(10, 250);
        start = startTime(r);
    } while ((60 * d) % s || 60 * d / s > 300 || 60 * d / s < 20 || !clean(start) ||
             !clean(start + 60 * d / s) || start + 60 * d / s >= 1440);
    const int mins = 60 * d / s;
    QB q("journey_two", 2);
    q.param("d", d)
        .param("s", s)
        .param("start", S(start / 60) + ":" + (start % 60 < 10 ? "0" : "") + S(start % 60))
        .param("style", style);
    q.p("A bus travels " + S(d) + " km at an average speed of " + S(s) + " km/h. It sets off at " +
        clock12(start, style) + ".");
    q.subparts({{"How many minutes does the journey take?", "minutes"},
                {"At what time does the bus arrive? " + timeNote(style), ""}});
    return q.part('N', S(mins)).part('T', clock12(start + mins, style)).done();
}

Question speedTwo(Rng& r, const std::string& k) {
    (void)k;
    int s, h, d;
    do {
        s = r.range(3, 20) * 3;
        h = r.range(2, 5);
        d = r.range(5, 90);
    } while ((60 * d) % s || d == s * h);
    QB q("speed_two", 2);
    q.param("s", s).param("h", h).param("d", d);
    q.p("A cyclist rides at a steady " + S(s) + " km/h.");
    q.subparts({{"How far does the cyclist ride in " + S(h) + " hours?", "km"},
                {"How many minutes does it take the cyclist to ride " + S(d) + " km?", "minutes"}});
    return q.part('N', S(s * h)).part('N', S(60 * d / s)).done();
}

Question journeyThree(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(kTimeStyles);
    int s1, h1, s2, d2, start;
    do {
        s1 = r.range(8, 20) * 5;
        h1 = r.range(1, 3);
        s2 = r.range(4, 12) * 5;
        d2 = r.range(5, 60);
        start = startTime(r);
    } while ((60 * d2) % s2 || !clean(start) || !clean(start + 60 * h1 + 60 * d2 / s2) ||
             start + 60 * h1 + 60 * d2 / s2 >= 1440);
    const int mins = 60 * h1 + 60 * d2 / s2;
    QB q("journey_three", 3);
    q.param("s1", s1)
        .param("h1", h1)
        .param("s2", s2)
        .param("d2", d2)
        .param("start", S(start / 60) + ":" + (start % 60 < 10 ? "0" : "") + S(start % 60))
        .param("style", style);
    q.p("A family sets off at " + clock12(start, style) + ". They drive on the motorway at " +
        S(s1) + " km/h for " + S(h1) + (h1 == 1 ? " hour" : " hours") + ", then drive " + S(d2) +
        " km on country roads at " + S(s2) + " km/h.");
    q.subparts({{"How far do they drive on the motorway?", "km"},
                {"How many minutes does the whole journey take?", "minutes"},
                {"At what time do they arrive? " + timeNote(style), ""}});
    return q.part('N', S(s1 * h1))
        .part('N', S(mins))
        .part('T', clock12(start + mins, style))
        .done();
}

Question journeyFour(Rng& r, const std::string& k) {
    (void)k;
    const std::string style = r.pick(kTimeStyles);
    int s1, m1, s2, m2, start;
    do {
        s1 = r.range(4, 20) * 6;
        m1 = r.pick(std::vector<int>{20, 30, 40, 50, 90});
        s2 = r.range(4, 20) * 6;
        m2 = r.pick(std::vector<int>{10, 20, 30, 45, 60});
        start = startTime(r);
    } while ((s1 * m1) % 60 || (s2 * m2) % 60 || !clean(start) || !clean(start + m1 + m2 + 15) ||
             start + m1 + m2 + 15 >= 1440);
    const int d1 = s1 * m1 / 60;
    const int d2 = s2 * m2 / 60;
    QB q("journey_four", 3);
    q.param("s1", s1)
        .param("m1", m1)
        .param("s2", s2)
        .param("m2", m2)
        .param("start", S(start / 60) + ":" + (start % 60 < 10 ? "0" : "") + S(start % 60))
        .param("style", style);
    q.p("A coach leaves at " + clock12(start, style) + ". It travels at " + S(s1) + " km/h for " +
        S(m1) + " minutes, stops for 15 minutes, then travels at " + S(s2) + " km/h for " + S(m2) +
        " minutes.");
    q.subparts({{"How far does it travel before the stop?", "km"},
                {"How far does it travel after the stop?", "km"},
                {"How far does it travel altogether?", "km"},
                {"At what time does the journey end? " + timeNote(style), ""}});
    return q.part('N', S(d1))
        .part('N', S(d2))
        .part('N', S(d1 + d2))
        .part('T', clock12(start + m1 + m2 + 15, style))
        .done();
}

Question fuelRate(Rng& r, const std::string& k) {
    const int per100 = r.range(4, 12);
    const int km = r.range(3, 40) * 50;
    QB q("fuel_rate", 2);
    q.param("per100", per100).param("km", km);
    q.p("A car uses " + S(per100) +
        " litres of petrol for every 100 km it travels. How many litres does it use to travel " +
        S(km) + " km?");
    const Frac ans = Frac(per100 * km, 100);
    return q
        .number(r, k[0], ans, "litres",
                {Frac(per100 * km, 10), Frac(km, per100 * 10) + Frac(1), ans + Frac(per100)})
        .done();
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
    out.push_back({"average_speed", 9, {"N"}, averageSpeed});
    out.push_back({"pay_rate", 9, {"N", "Q"}, payRate});
    out.push_back({"fuel_rate", 9, {"N", "Q"}, fuelRate});
    out.push_back({"journey_two", 9, {"NT"}, journeyTwo});
    out.push_back({"speed_two", 9, {"NN"}, speedTwo});
    out.push_back({"journey_three", 9, {"NNT"}, journeyThree});
    out.push_back({"journey_four", 9, {"NNNT"}, journeyFour});
}
