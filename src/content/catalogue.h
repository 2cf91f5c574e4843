#pragma once
// The course catalogue (resource 30000), read once at start-up.

#include <QString>
#include <QStringList>
#include <array>

#include "content/course_shape.h"

struct CourseModule {
    QString label;  // empty: the module does not exist
    int numberOfTopics = 0;
    int paperCount = 0;
    QStringList topicNames;  // numberOfTopics entries
    bool exists() const { return !label.isEmpty(); }
};

struct Catalogue {
    QString title;  // NME
    QString code;   // COD
    std::array<CourseModule, kModuleCount> modules;  // modules[m - 1]
    const CourseModule& module(int m) const { return modules[static_cast<size_t>(m - 1)]; }
};

// Writes the catalogue to <programFolder>/temptext30000.txt, reads it and deletes the file.
// When it cannot be written every value stays empty.
Catalogue ReadCatalogue(const QString& programFolder);
