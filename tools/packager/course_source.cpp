#include "course_source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

#include "marking/answer_kind.h"

namespace {

constexpr int kFirstQuestion = 20011;
constexpr int kLastQuestion = 22841;
constexpr int kMaxPartsPerQuestion = 20;
constexpr int kMaxPartsPerPaper = 80;
constexpr int kMaxTopics = 10;
constexpr int kPapersPerTopic = 5;
constexpr int kMaxFigureSide = 2000;

class Reporter {
public:
    Reporter(const QString& file, SourceError& error) : file_(file), error_(error) {}
    // Always returns false so a parser can `return fail(...)`.
    bool fail(int line, const QString& problem) {
        error_.message = QStringLiteral("%1:%2: %3").arg(file_).arg(line).arg(problem);
        return false;
    }

private:
    QString file_;
    SourceError& error_;
};

bool IsLatin1(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0xff) return false;
    }
    return true;
}

bool IsSkippable(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith('#');
}

// The first word and the rest of a line.
std::pair<QString, QString> SplitWord(const QString& line) {
    const QString trimmed = line.trimmed();
    const qsizetype space = trimmed.indexOf(QRegularExpression(QStringLiteral("\\s")));
    if (space < 0) return {trimmed, QString()};
    return {trimmed.left(space), trimmed.mid(space + 1).trimmed()};
}

// Text between the first and the last double quote of `rest`, which must start and end with one.
std::optional<QString> Quoted(const QString& rest) {
    if (rest.size() < 2 || !rest.startsWith('"') || !rest.endsWith('"')) return std::nullopt;
    return rest.mid(1, rest.size() - 2);
}

bool IsRecordSafe(const QString& text) {
    return !text.contains('>') && !text.contains('#') && !text.contains('\r') && !text.contains('\n');
}

std::optional<int> ParsePositive(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]{0,5}$"));
    if (!digits.match(text).hasMatch()) return std::nullopt;
    return text.toInt();
}

std::optional<double> ParseNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool IsColour(const QString& text) {
    static const QRegularExpression colour(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    return colour.match(text).hasMatch();
}

// One figure primitive line; the numbers each kind takes are fixed except for poly.
bool ParsePrimitive(const QString& line, int lineNumber, Reporter& report, FigurePrimitive& out) {
    auto [kind, rest] = SplitWord(line);
    out.kind = kind;
    if (kind == QLatin1String("text")) {
        static const QRegularExpression form(QStringLiteral("^(\\S+)\\s+(\\S+)\\s+([lcr])\\s+(\".*\")$"));
        const auto match = form.match(rest);
        if (!match.hasMatch()) return report.fail(lineNumber, QStringLiteral("text needs x y l|c|r \"string\""));
        const auto x = ParseNumber(match.captured(1));
        const auto y = ParseNumber(match.captured(2));
        if (!x || !y) return report.fail(lineNumber, QStringLiteral("text position is not a number"));
        out.numbers = {*x, *y};
        out.align = match.captured(3);
        out.text = *Quoted(match.captured(4));
        return true;
    }
    if (kind == QLatin1String("colour")) {
        if (!IsColour(rest)) return report.fail(lineNumber, QStringLiteral("colour needs #rrggbb"));
        out.colour = rest;
        return true;
    }
    static const QList<std::pair<QString, int>> fixedCounts = {
        {QStringLiteral("line"), 4}, {QStringLiteral("rect"), 4}, {QStringLiteral("circle"), 3},
        {QStringLiteral("arc"), 5}, {QStringLiteral("poly"), -1}};
    int expected = 0;
    for (const auto& [name, count] : fixedCounts) {
        if (name == kind) expected = count;
    }
    if (expected == 0) return report.fail(lineNumber, QStringLiteral("unknown figure primitive '%1'").arg(kind));
    const QStringList words = rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (word == QLatin1String("dash")) {
            out.dash = true;
        } else if (word == QLatin1String("thick")) {
            out.thick = true;
        } else if (word.startsWith(QLatin1String("fill="))) {
            out.fill = word.mid(5);
            if (!IsColour(out.fill)) return report.fail(lineNumber, QStringLiteral("fill needs #rrggbb"));
        } else if (const auto number = ParseNumber(word)) {
            out.numbers.append(*number);
        } else {
            return report.fail(lineNumber, QStringLiteral("'%1' is not a number").arg(word));
        }
    }
    if (expected > 0 && out.numbers.size() != expected)
        return report.fail(lineNumber, QStringLiteral("%1 needs %2 numbers").arg(kind).arg(expected));
    if (expected < 0 && (out.numbers.size() < 6 || out.numbers.size() % 2 != 0))
        return report.fail(lineNumber, QStringLiteral("poly needs at least three x y pairs"));
    return true;
}

// A question is complete once the next one starts or the file ends.
bool CheckQuestion(const SourceQuestion& question, Reporter& report) {
    if (question.html.trimmed().isEmpty())
        return report.fail(question.line, QStringLiteral("question %1 has no text").arg(question.id));
    if (question.parts.isEmpty())
        return report.fail(question.line, QStringLiteral("question %1 has no part").arg(question.id));
    if (question.parts.size() > kMaxPartsPerQuestion)
        return report.fail(question.line, QStringLiteral("question %1 has more than %2 parts")
                                              .arg(question.id)
                                              .arg(kMaxPartsPerQuestion));
    // Each part needs its place on the page: an answer line, or the numbered choices of a
    // multiple-choice part.
    static const QRegularExpression answerLine(QStringLiteral("class\\s*=\\s*\"answer\""));
    static const QRegularExpression choiceList(QStringLiteral("<ol\\s+class\\s*=\\s*\"options\"\\s*>(.*?)</ol>"),
                                               QRegularExpression::DotMatchesEverythingOption);
    const auto answerLines = question.html.count(answerLine);
    const auto choiceLists = question.html.count(choiceList);
    if (answerLines + choiceLists != question.parts.size())
        return report.fail(question.line, QStringLiteral("question %1 has %2 parts but %3 answer lines and %4 choice lists")
                                              .arg(question.id)
                                              .arg(question.parts.size())
                                              .arg(answerLines)
                                              .arg(choiceLists));
    for (const SourcePart& part : question.parts) {
        if (AnswerKindOfLetter(part.kind) != AnswerKind::Choice) continue;
        static const QRegularExpression choiceKey(QStringLiteral("^[1-4]$"));
        const auto list = choiceList.match(question.html);
        if (!list.hasMatch() || list.captured(1).count(QStringLiteral("<li")) != 4)
            return report.fail(question.line, QStringLiteral("question %1 is multiple choice without four numbered choices")
                                                  .arg(question.id));
        if (!choiceKey.match(part.key).hasMatch())
            return report.fail(question.line, QStringLiteral("question %1: a multiple-choice key must be 1, 2, 3 or 4")
                                                  .arg(question.id));
    }
    const QSet<QString> sources = ImageSources(question.html) + ImageSources(question.solution);
    QSet<QString> drawn;
    for (const SourceFigure& figure : question.figures) {
        drawn.insert(figure.fileName);
        if (!sources.contains(figure.fileName))
            return report.fail(figure.line, QStringLiteral("figure %1 is not shown by the text or the solution")
                                                .arg(figure.fileName));
    }
    for (const QString& source : sources) {
        if (!drawn.contains(source))
            return report.fail(question.line, QStringLiteral("question %1 shows %2, which no figure draws")
                                                  .arg(question.id)
                                                  .arg(source));
    }
    return true;
}

// Whether the part before the next one of the paper (in this question or an earlier one) has
// the kind: a group follower continues its alternatives.
bool FollowsPartOfKind(const SourcePaper& paper, const QString& kind) {
    for (auto q = paper.questions.crbegin(); q != paper.questions.crend(); ++q)
        if (!q->parts.isEmpty()) return q->parts.last().kind == kind;
    return false;
}

}  // namespace

QSet<QString> ImageSources(const QString& html) {
    static const QRegularExpression src(QStringLiteral("<img\\b[^>]*\\bsrc\\s*=\\s*\"([^\"]*)\""),
                                        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> names;
    for (auto it = src.globalMatch(html); it.hasNext();) names.insert(it.next().captured(1));
    return names;
}


bool IsKnownKind(const QString& kind) {
    return AnswerKindOfLetter(kind).has_value();
}

bool IsGroupFollowerKey(const QString& kind, const QString& key) {
    const std::optional<AnswerKind> known = AnswerKindOfLetter(kind);
    return known && RuleOf(*known).keyMayFollowGroup && key == QLatin1String(" ");
}

std::optional<SourceCatalogue> ParseCatalogue(const QString& text, const QString& file, SourceError& error) {
    Reporter report(file, error);
    SourceCatalogue catalogue;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QString line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (IsSkippable(line)) continue;
        if (!IsLatin1(line)) return report.fail(number, QStringLiteral("character outside Latin-1")), std::nullopt;
        auto [word, rest] = SplitWord(line);
        if (!IsRecordSafe(rest))
            return report.fail(number, QStringLiteral("'>' and '#' cannot be stored")), std::nullopt;
        if (word == QLatin1String("title") || word == QLatin1String("code")) {
            QString& value = word == QLatin1String("title") ? catalogue.title : catalogue.code;
            if (rest.isEmpty()) return report.fail(number, word + QStringLiteral(" is empty")), std::nullopt;
            if (!value.isEmpty()) return report.fail(number, word + QStringLiteral(" given twice")), std::nullopt;
            value = rest;
        } else if (word == QLatin1String("module")) {
            auto [m, label] = SplitWord(rest);
            if (catalogue.module != 0)
                return report.fail(number, QStringLiteral("the course defines one module only")), std::nullopt;
            if (m != "1" && m != "2" && m != "3")
                return report.fail(number, QStringLiteral("module number must be 1, 2 or 3")), std::nullopt;
            if (label.isEmpty()) return report.fail(number, QStringLiteral("module has no label")), std::nullopt;
            catalogue.module = m.toInt();
            catalogue.moduleLabel = label;
        } else if (word == QLatin1String("topic")) {
            if (catalogue.module == 0)
                return report.fail(number, QStringLiteral("topic before any module")), std::nullopt;
            if (rest.isEmpty()) return report.fail(number, QStringLiteral("topic has no name")), std::nullopt;
            if (catalogue.topics.size() == kMaxTopics)
                return report.fail(number, QStringLiteral("more than %1 topics").arg(kMaxTopics)), std::nullopt;
            catalogue.topics.append(rest);
        } else {
            return report.fail(number, QStringLiteral("unknown line '%1'").arg(word)), std::nullopt;
        }
    }
    const int last = static_cast<int>(lines.size());
    if (catalogue.title.isEmpty()) return report.fail(last, QStringLiteral("no title")), std::nullopt;
    if (catalogue.code.isEmpty()) return report.fail(last, QStringLiteral("no code")), std::nullopt;
    if (catalogue.module == 0) return report.fail(last, QStringLiteral("no module")), std::nullopt;
    if (catalogue.topics.isEmpty()) return report.fail(last, QStringLiteral("no topic")), std::nullopt;
    return catalogue;
}

std::optional<SourcePaper> ParsePaper(const QString& text, const QString& file, SourceError& error) {
    Reporter report(file, error);
    SourcePaper paper;
    paper.file = file;
    QStringList lines = text.split('\n');
    for (QString& line : lines) {
        if (line.endsWith('\r')) line.chop(1);
    }
    SourceQuestion* question = nullptr;
    bool hasFamily = false;
    bool hasText = false;
    auto finishQuestion = [&]() { return question == nullptr || CheckQuestion(*question, report); };

    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        const QString& line = lines[i];
        if (IsSkippable(line)) continue;
        if (!IsLatin1(line)) return report.fail(number, QStringLiteral("character outside Latin-1")), std::nullopt;
        auto [word, rest] = SplitWord(line);

        if (paper.number == 0) {
            const auto value = ParsePositive(rest);
            if (word != QLatin1String("paper") || !value)
                return report.fail(number, QStringLiteral("the file must start with 'paper <number>'")), std::nullopt;
            paper.number = *value;
            continue;
        }
        if (word == QLatin1String("paper"))
            return report.fail(number, QStringLiteral("'paper' given twice")), std::nullopt;
        if (word == QLatin1String("question")) {
            if (!finishQuestion()) return std::nullopt;
            static const QRegularExpression fiveDigits(QStringLiteral("^[0-9]{5}$"));
            if (!fiveDigits.match(rest).hasMatch() || rest.toInt() < kFirstQuestion || rest.toInt() > kLastQuestion)
                return report.fail(number, QStringLiteral("question id must be %1 to %2")
                                               .arg(kFirstQuestion)
                                               .arg(kLastQuestion)),
                       std::nullopt;
            for (const SourceQuestion& earlier : paper.questions) {
                if (earlier.id == rest.toInt())
                    return report.fail(number, QStringLiteral("question %1 given twice").arg(rest)), std::nullopt;
            }
            paper.questions.append(SourceQuestion{});
            question = &paper.questions.last();
            question->id = rest.toInt();
            question->file = file;
            question->line = number;
            hasFamily = hasText = false;
            continue;
        }
        if (question == nullptr)
            return report.fail(number, QStringLiteral("'%1' outside a question").arg(word)), std::nullopt;

        if (word == QLatin1String("family")) {
            if (hasFamily) return report.fail(number, QStringLiteral("family given twice")), std::nullopt;
            hasFamily = true;
            question->family = rest;
        } else if (word == QLatin1String("text") && rest.isEmpty()) {
            if (hasText) return report.fail(number, QStringLiteral("text given twice")), std::nullopt;
            hasText = true;
            QStringList body;
            int end = i + 1;
            while (end < lines.size() && lines[end].trimmed() != QLatin1String("end text")) {
                if (!IsLatin1(lines[end]))
                    return report.fail(end + 1, QStringLiteral("character outside Latin-1")), std::nullopt;
                body.append(lines[end]);
                ++end;
            }
            if (end == lines.size()) return report.fail(number, QStringLiteral("text without 'end text'")), std::nullopt;
            question->html = body.join('\n');
            i = end;
        } else if (word == QLatin1String("solution") && rest.isEmpty()) {
            if (!question->solution.isEmpty())
                return report.fail(number, QStringLiteral("solution given twice")), std::nullopt;
            QStringList body;
            int end = i + 1;
            while (end < lines.size() && lines[end].trimmed() != QLatin1String("end solution")) {
                if (!IsLatin1(lines[end]))
                    return report.fail(end + 1, QStringLiteral("character outside Latin-1")), std::nullopt;
                body.append(lines[end]);
                ++end;
            }
            if (end == lines.size())
                return report.fail(number, QStringLiteral("solution without 'end solution'")), std::nullopt;
            question->solution = body.join('\n');
            if (question->solution.trimmed().isEmpty())
                return report.fail(number, QStringLiteral("empty solution")), std::nullopt;
            i = end;
        } else if (word == QLatin1String("figure")) {
            SourceFigure figure;
            figure.line = number;
            const QStringList words = rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            static const QRegularExpression fileName(QStringLiteral("^[A-Za-z0-9_-]+\\.gif$"));
            if (words.size() != 3 || !fileName.match(words[0]).hasMatch())
                return report.fail(number, QStringLiteral("figure needs <name>.gif <width> <height>")), std::nullopt;
            const auto width = ParsePositive(words[1]);
            const auto height = ParsePositive(words[2]);
            if (!width || !height || *width > kMaxFigureSide || *height > kMaxFigureSide)
                return report.fail(number, QStringLiteral("figure size must be 1 to %1 pixels").arg(kMaxFigureSide)),
                       std::nullopt;
            for (const SourceFigure& earlier : question->figures) {
                if (earlier.fileName == words[0])
                    return report.fail(number, QStringLiteral("figure %1 given twice").arg(words[0])), std::nullopt;
            }
            figure.fileName = words[0];
            figure.width = *width;
            figure.height = *height;
            int end = i + 1;
            for (; end < lines.size() && lines[end].trimmed() != QLatin1String("end figure"); ++end) {
                if (IsSkippable(lines[end])) continue;
                FigurePrimitive primitive;
                if (!ParsePrimitive(lines[end], end + 1, report, primitive)) return std::nullopt;
                figure.primitives.append(primitive);
            }
            if (end == lines.size())
                return report.fail(number, QStringLiteral("figure without 'end figure'")), std::nullopt;
            question->figures.append(figure);
            i = end;
        } else if (word == QLatin1String("part")) {
            static const QRegularExpression form(QStringLiteral("^(\\S+)\\s+(\\S+)\\s+(.*)$"));
            const auto match = form.match(rest);
            if (!match.hasMatch())
                return report.fail(number, QStringLiteral("part needs <kind> <marks> \"<key>\"")), std::nullopt;
            SourcePart part;
            part.kind = match.captured(1);
            if (!IsKnownKind(part.kind))
                return report.fail(number, QStringLiteral("unknown answer kind '%1'").arg(part.kind)), std::nullopt;
            const auto marks = ParsePositive(match.captured(2));
            if (!marks)
                return report.fail(number, QStringLiteral("marks '%1' is not a positive whole number")
                                               .arg(match.captured(2))),
                       std::nullopt;
            part.marks = *marks;
            // The key is everything between the quotes, trailing spaces included.
            QString quoted = match.captured(3);
            const auto key = Quoted(quoted);
            if (!key) return report.fail(number, QStringLiteral("the key must be in double quotes")), std::nullopt;
            if (IsGroupFollowerKey(part.kind, *key)) {
                if (!FollowsPartOfKind(paper, part.kind))
                    return report.fail(number, QStringLiteral("a key of one space must follow a part of kind %1")
                                                   .arg(part.kind)),
                           std::nullopt;
            } else if (key->trimmed().isEmpty()) {
                return report.fail(number, QStringLiteral("missing key")), std::nullopt;
            }
            if (!IsRecordSafe(*key))
                return report.fail(number, QStringLiteral("a key cannot hold '>' or '#'")), std::nullopt;
            part.key = *key;
            question->parts.append(part);
        } else {
            return report.fail(number, QStringLiteral("unknown line '%1'").arg(word)), std::nullopt;
        }
    }
    if (paper.number == 0) return report.fail(1, QStringLiteral("no 'paper' line")), std::nullopt;
    if (!finishQuestion()) return std::nullopt;
    if (paper.questions.isEmpty()) return report.fail(static_cast<int>(lines.size()), QStringLiteral("no question")), std::nullopt;
    int parts = 0;
    for (const SourceQuestion& q : paper.questions) parts += static_cast<int>(q.parts.size());
    if (parts > kMaxPartsPerPaper)
        return report.fail(1, QStringLiteral("paper has %1 parts, more than %2").arg(parts).arg(kMaxPartsPerPaper)),
               std::nullopt;
    return paper;
}

std::optional<Course> ReadCourse(const QString& courseDir, SourceError& error) {
    auto readText = [&](const QString& path, QString& text) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            error.message = QStringLiteral("%1:1: cannot be read").arg(path);
            return false;
        }
        text = QString::fromUtf8(file.readAll());
        return true;
    };
    Course course;
    QString text;
    const QString cataloguePath = courseDir + QStringLiteral("/catalogue.txt");
    if (!readText(cataloguePath, text)) return std::nullopt;
    auto catalogue = ParseCatalogue(text, cataloguePath, error);
    if (!catalogue) return std::nullopt;
    course.catalogue = *catalogue;

    const int paperCount = kPapersPerTopic * static_cast<int>(catalogue->topics.size());
    QSet<int> questionIds;
    for (int index = 1; index <= paperCount; ++index) {
        const QString path = QStringLiteral("%1/papers/%2.txt").arg(courseDir).arg(100 + index);
        if (!readText(path, text)) return std::nullopt;
        auto paper = ParsePaper(text, path, error);
        if (!paper) return std::nullopt;
        if (paper->number != 100 + index) {
            error.message = QStringLiteral("%1:1: the file holds paper %2").arg(path).arg(paper->number);
            return std::nullopt;
        }
        for (const SourceQuestion& question : paper->questions) {
            if (questionIds.contains(question.id)) {
                error.message = QStringLiteral("%1:%2: question %3 is used by another paper")
                                    .arg(path)
                                    .arg(question.line)
                                    .arg(question.id);
                return std::nullopt;
            }
            questionIds.insert(question.id);
        }
        course.papers.append(*paper);
    }
    // A paper file past the last topic's papers would be silently left out.
    const QStringList files = QDir(courseDir + QStringLiteral("/papers")).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString& name : files) {
        const int number = QFileInfo(name).completeBaseName().toInt();
        if (number < 101 || number > 100 + paperCount) {
            error.message = QStringLiteral("%1/papers/%2:1: no topic owns this paper").arg(courseDir, name);
            return std::nullopt;
        }
    }
    return course;
}
