#include "question_page.h"

QString QuestionStyleSheet() {
    // Plain properties only: the program shows the page in a QTextBrowser, which knows a subset
    // of CSS; browsers show it the same way.
    return QStringLiteral(
        "body { font-family: 'Trebuchet MS', Arial, sans-serif; font-size: 18px; color: #1d2b3a;"
        " background-color: #ffffff; margin: 14px; }\n"
        "p { margin-top: 0px; margin-bottom: 12px; }\n"
        "b { color: #0d2c54; }\n"
        "img { vertical-align: middle; }\n"
        ".answer { margin-top: 18px; color: #0b5394; font-weight: bold; }\n"
        ".note { margin-top: 6px; color: #7a5a00; font-style: italic; font-size: 15px; }\n"
        "ol.options { margin-top: 6px; margin-bottom: 12px; }\n"
        "ol.options li { margin-bottom: 8px; }\n"
        ".parts p { margin-bottom: 16px; }\n"
        "table { border-collapse: collapse; }\n"
        "td, th { padding: 4px 10px; }\n"
        ".slip { color: #5b4636; }\n"
        ".final { margin-top: 14px; color: #0b5394; font-weight: bold; }\n"
        ".value { color: #0d2c54; }\n");
}

QString QuestionPageHtml(const SourceQuestion& question) {
    return QStringLiteral(
               "<!DOCTYPE html>\n"
               "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
               "<title>Question %1</title>\n<style type=\"text/css\">\n%2</style>\n</head>\n"
               "<body>\n%3\n</body>\n</html>\n")
        .arg(question.id)
        .arg(QuestionStyleSheet(), question.html);
}

QString SolutionPageHtml(const SourceQuestion& question) {
    SourceQuestion page = question;
    page.html = question.solution;
    return QuestionPageHtml(page).replace(QStringLiteral("<title>Question %1</title>").arg(question.id),
                                          QStringLiteral("<title>How to work it out: question %1</title>")
                                              .arg(question.id));
}
