#pragma once
// Reads a PDF back as laid-out text with pdftotext.

#include <QProcess>
#include <QStandardPaths>
#include <QString>

inline bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

inline QString PdfText(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

#include <gtest/gtest.h>
#include <QRegularExpression>

// The printed table of SampleModule as pdftotext lays it out.
inline void ExpectResultsTable(const QString& text, int topics) {
    EXPECT_TRUE(text.contains(QStringLiteral("Home Maths Quiz"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QString(128, QLatin1Char('-'))));
    EXPECT_TRUE(text.contains(QStringLiteral("Fractions")));
    EXPECT_EQ(text.count(QRegularExpression(
                  QStringLiteral("Papers +First take +Time taken +Date +Second take"))),
              topics);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("(?m)^\\f? *Paper [1-5] "))),
              5 * topics);
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("Paper 3 +88\\.8% +0:12:5 +30/12/2005 +100%"))));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Paper 2 +% +%"))));
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("Paper 1 +60% +0:21:7 +02/12/2005 +90%"))));
}
