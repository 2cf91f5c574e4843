#include "platform/spoken_text.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <functional>

namespace {

// ---------------------------------------------------------------------------------------------
// Markup: a small reader for the question pages the course builder writes (paragraphs, lists,
// tables, pictures, bold and superscript). Anything else is read as plain text or skipped.

QString DecodeEntities(const QString& text) {
    static const QHash<QString, QString> named = {
        {QStringLiteral("nbsp"), QStringLiteral("\u00a0")},
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("times"), QStringLiteral("\u00d7")},
        {QStringLiteral("divide"), QStringLiteral("\u00f7")},
        {QStringLiteral("minus"), QStringLiteral("\u2212")},
        {QStringLiteral("deg"), QStringLiteral("\u00b0")},
        {QStringLiteral("sup2"), QStringLiteral("\u00b2")},
        {QStringLiteral("sup3"), QStringLiteral("\u00b3")},
        {QStringLiteral("le"), QStringLiteral("\u2264")},
        {QStringLiteral("ge"), QStringLiteral("\u2265")},
        {QStringLiteral("rarr"), QStringLiteral("\u2192")},
        {QStringLiteral("pound"), QStringLiteral("\u00a3")},
        {QStringLiteral("frac12"), QStringLiteral("1/2")},
        {QStringLiteral("frac14"), QStringLiteral("1/4")},
        {QStringLiteral("frac34"), QStringLiteral("3/4")},
        {QStringLiteral("middot"), QStringLiteral("\u00b7")},
        {QStringLiteral("ndash"), QStringLiteral("\u2013")},
        {QStringLiteral("mdash"), QStringLiteral("\u2014")},
    };
    static const QRegularExpression entity(
        QStringLiteral("&(#x[0-9a-fA-F]{1,6}|#[0-9]{1,7}|[a-zA-Z0-9]{2,8});"));
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString name = m.captured(1);
        bool ok = false;
        uint code = 0;
        if (name.startsWith(QLatin1String("#x")))
            code = name.mid(2).toUInt(&ok, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            const char32_t c = code;
            out += QString::fromUcs4(&c, 1);
        } else if (named.contains(name)) {
            out += named.value(name);
        } else {
            out += m.captured(0);
        }
    }
    out += text.mid(last);
    return out;
}

// Runs of white space as one space, ends trimmed; a fixed space (U+00A0) is kept, for it binds
// the groups of a long number.
QString Collapse(const QString& text) {
    static const QRegularExpression runs(QStringLiteral("[ \\t\\r\\n]+"));
    QString out = text;
    out.replace(runs, QStringLiteral(" "));
    while (out.startsWith(QLatin1Char(' '))) out.remove(0, 1);
    while (out.endsWith(QLatin1Char(' '))) out.chop(1);
    return out;
}

// Marks a line that says how an answer is typed ("for example 5 2/3"): its fractions are read
// as typed, not as numbers.
const QChar kTypedMark(0xE000);

struct Tag {
    QString name;  // lower case, without '/'
    bool closing = false;
    QString attributes;
};

QString Attribute(const QString& attributes, const QString& name) {
    const QRegularExpression re(
        QStringLiteral("(?:^|\\s)%1\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(attributes);
    if (!m.hasMatch()) return {};
    for (int i = 2; i <= 4; ++i)
        if (!m.captured(i).isNull()) return DecodeEntities(m.captured(i));
    return {};
}

// What the page says, gathered into lines as the reader walks through it.
class Reader {
  public:
    QStringList read(const QString& html);

  private:
    void tag(const Tag& t);
    void text(const QString& t);
    void endLine();
    void startTable() {
        m_rows.clear();
        m_inTable = true;
    }
    void endTable();

    QStringList m_lines;  // a line that tells how to write an answer starts with kTypedMark
    QString m_line;
    bool m_inNote = false;
    int m_skip = 0;  // inside <head>, <style>, <script>, <title>
    QString m_sup;
    bool m_inSup = false;
    QList<int> m_lists;  // per open list: the next item number, 0 for a bulleted list
    bool m_inTable = false;
    struct Cell {
        bool heading = false;
        QString text;
    };
    QList<QList<Cell>> m_rows;
    bool m_inCell = false;
    QString m_cell;
    bool m_cellHeading = false;
};

QStringList Reader::read(const QString& html) {
    qsizetype i = 0;
    const qsizetype n = html.size();
    while (i < n) {
        if (html[i] != QLatin1Char('<')) {
            qsizetype next = html.indexOf(QLatin1Char('<'), i);
            if (next < 0) next = n;
            text(html.mid(i, next - i));
            i = next;
            continue;
        }
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const qsizetype end = html.indexOf(QLatin1Char('>'), i);
        if (end < 0) {  // a lone '<' is text
            text(html.mid(i));
            break;
        }
        const QString inner = html.mid(i + 1, end - i - 1).trimmed();
        i = end + 1;
        if (inner.startsWith(QLatin1Char('!')) || inner.startsWith(QLatin1Char('?'))) continue;
        Tag t;
        t.closing = inner.startsWith(QLatin1Char('/'));
        const QString body = t.closing ? inner.mid(1).trimmed() : inner;
        qsizetype nameEnd = 0;
        while (nameEnd < body.size() && (body[nameEnd].isLetterOrNumber())) ++nameEnd;
        t.name = body.left(nameEnd).toLower();
        t.attributes = body.mid(nameEnd);
        if (!t.name.isEmpty()) tag(t);
    }
    endLine();
    if (m_inTable) endTable();
    return m_lines;
}

void Reader::text(const QString& raw) {
    if (m_skip > 0) return;
    QString t = DecodeEntities(raw);
    t.replace(QRegularExpression(QStringLiteral("[\\r\\n\\t ]+")), QStringLiteral(" "));
    if (m_inSup) {
        m_sup += t;
    } else if (m_inCell) {
        m_cell += t;
    } else if (m_inTable) {
        return;  // white space between rows and cells
    } else {
        m_line += t;
    }
}

void Reader::endLine() {
    const QString line = Collapse(m_line);
    m_line.clear();
    if (line.isEmpty()) return;
    m_lines.append(m_inNote ? kTypedMark + line : line);
}

void Reader::endTable() {
    m_inTable = false;
    QStringList headings;
    qsizetype first = 0;
    if (!m_rows.isEmpty()) {
        bool allHeadings = !m_rows[0].isEmpty();
        for (const Cell& cell : m_rows[0]) allHeadings = allHeadings && cell.heading;
        if (allHeadings) {
            for (const Cell& cell : m_rows[0]) headings.append(Collapse(cell.text));
            first = 1;
            m_lines.append(QStringLiteral("Table: ") + headings.join(QStringLiteral(", ")));
        } else {
            m_lines.append(QStringLiteral("Table:"));
        }
    }
    for (qsizetype r = first; r < m_rows.size(); ++r) {
        const auto& row = m_rows[r];
        if (row.isEmpty()) continue;
        QStringList cells;
        for (qsizetype c = 1; c < row.size(); ++c) {
            // A cell holding only "?" is the value the question asks for.
            QString value = Collapse(row[c].text);
            if (value == QLatin1String("?")) value = QStringLiteral("unknown");
            const QString heading = headings.value(c);
            cells.append(heading.isEmpty() ? value : heading + QLatin1Char(' ') + value);
        }
        const QString label = Collapse(row[0].text);
        m_lines.append(cells.isEmpty()
                           ? label
                           : label + QStringLiteral(": ") + cells.join(QStringLiteral(", ")));
    }
    m_rows.clear();
}

void Reader::tag(const Tag& t) {
    static const QStringList skipped = {QStringLiteral("head"), QStringLiteral("style"),
                                        QStringLiteral("script"), QStringLiteral("title")};
    static const QStringList blocks = {
        QStringLiteral("p"),     QStringLiteral("div"),        QStringLiteral("h1"),
        QStringLiteral("h2"),    QStringLiteral("h3"),         QStringLiteral("h4"),
        QStringLiteral("h5"),    QStringLiteral("h6"),         QStringLiteral("ul"),
        QStringLiteral("ol"),    QStringLiteral("blockquote"), QStringLiteral("body"),
        QStringLiteral("center")};
    if (skipped.contains(t.name)) {
        m_skip = std::max(0, m_skip + (t.closing ? -1 : 1));
        return;
    }
    if (m_skip > 0) return;

    if (t.name == QLatin1String("sup")) {
        if (!t.closing) {
            m_inSup = true;
            m_sup.clear();
            return;
        }
        m_inSup = false;
        const QString power = m_sup.trimmed();
        // Written as the characters the rest of the reading knows: ² and ³, or ^n.
        const QString mark = power == QLatin1String("2") ? QStringLiteral("\u00b2")
                             : power == QLatin1String("3")
                                 ? QStringLiteral("\u00b3")
                                 : QStringLiteral("^") + power + QLatin1Char(' ');
        (m_inCell ? m_cell : m_line) += mark;
        return;
    }
    if (t.name == QLatin1String("table")) {
        endLine();
        if (t.closing)
            endTable();
        else
            startTable();
        return;
    }
    if (m_inTable) {
        if (t.name == QLatin1String("tr") && !t.closing) m_rows.append(QList<Cell>());
        if (t.name == QLatin1String("td") || t.name == QLatin1String("th")) {
            if (!t.closing) {
                m_inCell = true;
                m_cell.clear();
                m_cellHeading = t.name == QLatin1String("th");
            } else if (m_inCell) {
                m_inCell = false;
                if (m_rows.isEmpty()) m_rows.append(QList<Cell>());
                m_rows.last().append(Cell{m_cellHeading, m_cell});
            }
        }
        if (t.name == QLatin1String("img") && m_inCell) {
            const QString alt = Collapse(Attribute(t.attributes, QStringLiteral("alt")));
            if (!alt.isEmpty()) m_cell += QLatin1Char(' ') + alt;
        }
        return;
    }
    if (t.name == QLatin1String("br")) {
        endLine();
        return;
    }
    if (t.name == QLatin1String("img")) {
        const QString alt = Collapse(Attribute(t.attributes, QStringLiteral("alt")));
        endLine();
        if (!alt.isEmpty()) m_lines.append(QStringLiteral("Picture: ") + alt);
        return;
    }
    if (t.name == QLatin1String("ol") || t.name == QLatin1String("ul")) {
        endLine();
        if (!t.closing) {
            const QString start = Attribute(t.attributes, QStringLiteral("start"));
            const int from = start.toInt() > 0 ? start.toInt() : 1;
            m_lists.append(t.name == QLatin1String("ol") ? from : 0);
        } else if (!m_lists.isEmpty()) {
            m_lists.removeLast();
        }
        return;
    }
    if (t.name == QLatin1String("li")) {
        endLine();
        if (!t.closing && !m_lists.isEmpty() && m_lists.last() > 0)
            m_line = QString::number(m_lists.last()++) + QStringLiteral(": ");
        return;
    }
    if (blocks.contains(t.name)) {
        endLine();
        if (t.name == QLatin1String("p"))
            m_inNote = !t.closing && Attribute(t.attributes, QStringLiteral("class"))
                                         .split(QLatin1Char(' '))
                                         .contains(QLatin1String("note"));
    }
}

// ---------------------------------------------------------------------------------------------
// Words for the signs and numbers of a line.

QString Ordinal(int d, bool plural) {
    static const char* const names[] = {
        nullptr,      nullptr,      "half",       "third",     "quarter",   "fifth",
        "sixth",      "seventh",    "eighth",     "ninth",     "tenth",     "eleventh",
        "twelfth",    "thirteenth", "fourteenth", "fifteenth", "sixteenth", "seventeenth",
        "eighteenth", "nineteenth", "twentieth"};
    QString word;
    if (d >= 2 && d <= 20)
        word = QLatin1String(names[d]);
    else if (d == 100)
        word = QStringLiteral("hundredth");
    else if (d == 1000)
        word = QStringLiteral("thousandth");
    else
        return {};
    if (!plural) return word;
    if (word == QLatin1String("half")) return QStringLiteral("halves");
    return word + QLatin1Char('s');
}

QString Fraction(const QString& numerator, const QString& denominator) {
    bool okN = false, okD = false;
    const int n = numerator.toInt(&okN);
    const int d = denominator.toInt(&okD);
    const QString ordinal = okN && okD ? Ordinal(d, n != 1) : QString();
    if (ordinal.isEmpty()) return numerator + QStringLiteral(" over ") + denominator;
    return numerator + QLatin1Char(' ') + ordinal;
}

struct Unit {
    const char* symbol;
    const char* one;
    const char* many;
};

// Longest symbols first, so "km/h" is not read as "km" and "h".
const Unit kUnits[] = {
    {"km/h", "kilometre per hour", "kilometres per hour"},
    {"m/s", "metre per second", "metres per second"},
    {"cm/s", "centimetre per second", "centimetres per second"},
    {"min", "minute", "minutes"},
    {"mm", "millimetre", "millimetres"},
    {"cm", "centimetre", "centimetres"},
    {"km", "kilometre", "kilometres"},
    {"kg", "kilogram", "kilograms"},
    {"mg", "milligram", "milligrams"},
    {"ml", "millilitre", "millilitres"},
    {"mL", "millilitre", "millilitres"},
    {"m", "metre", "metres"},
    {"g", "gram", "grams"},
    {"l", "litre", "litres"},
    {"L", "litre", "litres"},
    {"h", "hour", "hours"},
    {"s", "second", "seconds"},
};

QString UnitPattern() {
    QStringList symbols;
    for (const Unit& u : kUnits)
        symbols.append(QRegularExpression::escape(QLatin1String(u.symbol)));
    return symbols.join(QLatin1Char('|'));
}

const Unit* FindUnit(const QString& symbol) {
    for (const Unit& u : kUnits)
        if (symbol == QLatin1String(u.symbol)) return &u;
    return nullptr;
}

QString ReplaceAll(const QString& text, const QRegularExpression& re,
                   const std::function<QString(const QRegularExpressionMatch&)>& words) {
    QString out;
    qsizetype last = 0;
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        out += words(m);
        last = m.capturedEnd();
    }
    out += text.mid(last);
    return out;
}

QString FinishLine(QString line) {
    line = line.simplified();
    if (line.isEmpty()) return line;
    const QChar end = line.back();
    if (end.isLetterOrNumber() || end == QLatin1Char(')') || end == QLatin1Char('%'))
        line += QLatin1Char('.');
    return line;
}

}  // namespace

QString SpokenMaths(const QString& input, FractionReading fractions) {
    QString t = input;
    // Long numbers grouped with fixed spaces ("1 000 000") are one number.
    static const QRegularExpression grouped(QStringLiteral("\\b\\d{1,3}(?:\u00a0\\d{3})+\\b"));
    t = ReplaceAll(t, grouped, [](const QRegularExpressionMatch& m) {
        return m.captured(0).remove(QChar(0x00a0));
    });
    t.replace(QChar(0x00a0), QLatin1Char(' '));
    t.replace(QChar(0x2009), QLatin1Char(' '));
    // A gap to write in.
    static const QRegularExpression blank(QStringLiteral("_{2,}"));
    t.replace(blank, QStringLiteral(" blank "));

    const QString units = UnitPattern();
    // Square and cubic units, after a number or a gap: "cm²" is "square centimetres".
    static const QRegularExpression powerUnit(
        QStringLiteral("(\\d(?:[.,]\\d+)?|blank)\\s*(%1)([\u00b2\u00b3])(?![\\w])").arg(units));
    t = ReplaceAll(t, powerUnit, [](const QRegularExpressionMatch& m) {
        const Unit* u = FindUnit(m.captured(2));
        const bool one = m.captured(1) == QLatin1String("1");
        const QString kind = m.captured(3) == QStringLiteral("\u00b2") ? QStringLiteral("square")
                                                                       : QStringLiteral("cubic");
        return m.captured(1) + QLatin1Char(' ') + kind + QLatin1Char(' ') +
               QLatin1String(one ? u->one : u->many);
    });
    // A unit alone after a number or a gap.
    static const QRegularExpression unit(
        QStringLiteral("(?<![\\w.])(\\d+(?:\\.\\d+)?|blank)\\s*(%1)(?![\\w/\u00b2\u00b3])")
            .arg(units));
    t = ReplaceAll(t, unit, [](const QRegularExpressionMatch& m) {
        const Unit* u = FindUnit(m.captured(2));
        const bool one = m.captured(1) == QLatin1String("1");
        return m.captured(1) + QLatin1Char(' ') + QLatin1String(one ? u->one : u->many);
    });
    // Powers of numbers and letters.
    static const QRegularExpression squared(QStringLiteral("\\s*\u00b2"));
    static const QRegularExpression cubed(QStringLiteral("\\s*\u00b3"));
    static const QRegularExpression power(QStringLiteral("\\s*\\^\\s*(\\S+?)\\s"));
    t.replace(squared, QStringLiteral(" squared "));
    t.replace(cubed, QStringLiteral(" cubed "));
    t.replace(power, QStringLiteral(" to the power \\1 "));
    // Mixed numbers, then fractions ("km/h" and dates of three parts are left alone); as typed,
    // the slash is said.
    static const QRegularExpression typed(QStringLiteral("(?<=\\d)/(?=\\d)"));
    if (fractions == FractionReading::AsTyped) t.replace(typed, QStringLiteral(" slash "));
    static const QRegularExpression mixed(
        QStringLiteral("(?<![\\d./])(\\d+) (\\d+)/(\\d+)(?![\\d/])"));
    t = ReplaceAll(t, mixed, [](const QRegularExpressionMatch& m) {
        return m.captured(1) + QStringLiteral(" and ") + Fraction(m.captured(2), m.captured(3));
    });
    static const QRegularExpression fraction(QStringLiteral("(?<![\\d./])(\\d+)/(\\d+)(?![\\d/])"));
    t = ReplaceAll(t, fraction, [](const QRegularExpressionMatch& m) {
        return Fraction(m.captured(1), m.captured(2));
    });
    // Ratios are written with spaces around the colon; a time ("8:00") is not.
    static const QRegularExpression ratio(QStringLiteral("(\\d)\\s+:\\s+(?=\\d)"));
    t.replace(ratio, QStringLiteral("\\1 to "));
    // The signs.
    static const QList<QPair<QString, QString>> signs = {
        {QStringLiteral("\u00d7"), QStringLiteral(" times ")},
        {QStringLiteral("\u00f7"), QStringLiteral(" divided by ")},
        {QStringLiteral("\u2212"), QStringLiteral(" minus ")},
        {QStringLiteral("\u2264"), QStringLiteral(" is less than or equal to ")},
        {QStringLiteral("\u2265"), QStringLiteral(" is greater than or equal to ")},
        {QStringLiteral("\u2192"), QStringLiteral(" to ")},
        {QStringLiteral("\u00b0C"), QStringLiteral(" degrees Celsius")},
        {QStringLiteral("\u00b0"), QStringLiteral(" degrees")},
        {QStringLiteral(" + "), QStringLiteral(" plus ")},
        {QStringLiteral(" = "), QStringLiteral(" equals ")},
        {QStringLiteral(" < "), QStringLiteral(" is less than ")},
        {QStringLiteral(" > "), QStringLiteral(" is greater than ")},
    };
    for (const auto& [sign, words] : signs) t.replace(sign, words);
    static const QRegularExpression plus(QStringLiteral("(?<=\\d)\\+(?=\\d)"));
    static const QRegularExpression equals(QStringLiteral("(?<=[\\w)])=(?=[\\w(])"));
    t.replace(plus, QStringLiteral(" plus "));
    t.replace(equals, QStringLiteral(" equals "));
    // "- 5" or "(-5)": a negative number.
    static const QRegularExpression negative(QStringLiteral("(^|[\\s(])-(?=\\d)"));
    t.replace(negative, QStringLiteral("\\1minus "));
    // No space before the punctuation that followed a sign made words.
    static const QRegularExpression spaceBeforeStop(QStringLiteral("\\s+([.,;:?!)])"));
    t = t.simplified();
    t.replace(spaceBeforeStop, QStringLiteral("\\1"));
    return t;
}

QString SpokenQuestionText(const QString& html) {
    QStringList lines;
    for (const QString& line : Reader().read(html)) {
        const bool typed = line.startsWith(kTypedMark);
        const QString spoken = FinishLine(typed ? SpokenMaths(line.mid(1), FractionReading::AsTyped)
                                                : SpokenMaths(line));
        if (!spoken.isEmpty()) lines.append(spoken);
    }
    return lines.join(QLatin1Char('\n'));
}
