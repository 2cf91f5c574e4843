#include "question_page.h"

QString QuestionStyleSheet() {
    return QStringLiteral(
        "body { font-family: 'Trebuchet MS', Arial, sans-serif; font-size: 16px; color: #1d2b3a;"
        " background-color: #ffffff; }\n"
        "p { margin-top: 0px; margin-bottom: 10px; }\n"
        "img { vertical-align: middle; }\n"
        ".answer { margin-top: 12px; color: #123f73; font-weight: bold; }\n"
        ".note { margin-top: 4px; color: #6a5310; font-style: italic; font-size: 14px; }\n"
        "ol.options { margin-top: 4px; margin-bottom: 10px; }\n"
        "ol.options li { margin-bottom: 5px; }\n"
        "ol.parts { margin-top: 4px; margin-bottom: 8px; list-style-type: lower-alpha; }\n"
        "ol.parts li { margin-bottom: 6px; }\n"
        "table { border-collapse: collapse; }\n"
        "td, th { padding: 3px 8px; }\n");
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
