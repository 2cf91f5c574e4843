#include "course_writer.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QString>

std::string catalogueText(const Course& course) {
    std::string s =
        "# The course catalogue: title, code, the one module and its topics in order.\n";
    s += "title Home Maths Quiz\ncode HM\nmodule 2 Practice\n";
    for (const auto& t : course.topics) s += "topic " + t + "\n";
    return s;
}

std::string paperText(const PaperOut& paper) {
    std::string s = "paper " + std::to_string(paper.number) + "\n";
    for (std::size_t i = 0; i < paper.questions.size(); ++i) {
        const Question& q = paper.questions[i];
        s += "\nquestion " + std::to_string(paper.ids[i]) + "\n";
        s += "family " + q.family;
        for (const auto& [k, v] : q.params) s += " " + k + "=" + v;
        s += "\ntext\n" + q.html + "end text\n";
        for (const Figure& f : q.figures) {
            s += "figure " + f.name + " " + std::to_string(f.width) + " " +
                 std::to_string(f.height) + "\n";
            for (const auto& op : f.ops) s += op + "\n";
            s += "end figure\n";
        }
        for (const Part& p : q.parts)
            s += "part " + std::string(1, p.kind) + " " + std::to_string(p.marks) + " \"" + p.key +
                 "\"\n";
        if (!q.solution.empty()) s += "solution\n" + q.solution + "end solution\n";
    }
    return s;
}

namespace {
bool writeFile(const QString& path, const std::string& text, std::string& error) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        error = "cannot write " + path.toStdString();
        return false;
    }
    f.write(QByteArray::fromStdString(text));
    if (!f.commit()) {
        error = "cannot save " + path.toStdString();
        return false;
    }
    return true;
}
}  // namespace

bool writeCourse(const Course& course, const std::string& dir, std::string& error) {
    const QDir root(QString::fromStdString(dir));
    if (!root.mkpath(QStringLiteral("papers"))) {
        error = "cannot create " + dir + "/papers";
        return false;
    }
    if (!writeFile(root.filePath(QStringLiteral("catalogue.txt")), catalogueText(course), error))
        return false;
    for (const auto& p : course.papers)
        if (!writeFile(root.filePath(QStringLiteral("papers/%1.txt").arg(p.number)), paperText(p),
                       error))
            return false;
    return true;
}
