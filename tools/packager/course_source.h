#pragma once
// The course as written in course/: the catalogue and the papers with their questions, read
// strictly so that any mistake names its file and line.

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

struct SourceCatalogue {
    QString title;
    QString code;
    int module = 0;  // the one module the course defines, 1 to 3
    QString moduleLabel;
    QStringList topics;
};

struct FigurePrimitive {
    QString kind;        // line, poly, rect, circle, arc, text, colour
    QList<double> numbers;
    QString align;       // text: l, c or r
    QString text;        // text: the string
    QString fill;        // #rrggbb or empty
    QString colour;      // colour: #rrggbb
    bool dash = false;
    bool thick = false;
};

struct SourceFigure {
    QString fileName;
    int width = 0;
    int height = 0;
    QList<FigurePrimitive> primitives;
    int line = 0;
};

struct SourcePart {
    QString kind;
    int marks = 0;
    QString key;
};

struct SourceQuestion {
    int id = 0;
    QString family;
    QString html;
    QList<SourceFigure> figures;
    QList<SourcePart> parts;
    QString solution;  // the worked solution's HTML fragment; its pictures are among `figures`
    QString file;
    int line = 0;
};

struct SourcePaper {
    int number = 0;
    QList<SourceQuestion> questions;
    QString file;
};

struct Course {
    SourceCatalogue catalogue;
    QList<SourcePaper> papers;  // in paper number order, 101 upwards
};

// The first problem found, as "file:line: problem".
struct SourceError {
    QString message;
};

// Reads <courseDir>/catalogue.txt and <courseDir>/papers/*.txt. On a mistake returns nothing
// and sets `error`.
std::optional<Course> ReadCourse(const QString& courseDir, SourceError& error);

// The parsers, for one file's text; `file` names it in messages.
std::optional<SourceCatalogue> ParseCatalogue(const QString& text, const QString& file,
                                              SourceError& error);
std::optional<SourcePaper> ParsePaper(const QString& text, const QString& file, SourceError& error);

// The image file names an HTML fragment refers to.
QSet<QString> ImageSources(const QString& html);

// Answer kinds the marking knows.
bool IsKnownKind(const QString& kind);
// A key of one space, which a part of a group kind takes to share the alternatives before it.
bool IsGroupFollowerKey(const QString& kind, const QString& key);
