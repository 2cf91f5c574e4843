#include "platform/document_zoom.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

const QList<int>& ZoomSteps() {
    static const QList<int> steps = {100, 125, 150, 175, 200, 250, 300};
    return steps;
}

int BoundedZoom(int percent) {
    return std::clamp(percent, kMinimumZoom, kMaximumZoom);
}

int ZoomIn(int percent) {
    for (int step : ZoomSteps())
        if (step > percent) return step;
    return kMaximumZoom;
}

int ZoomOut(int percent) {
    const QList<int>& steps = ZoomSteps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        if (*it < percent) return *it;
    return kMinimumZoom;
}

namespace {

// Whole pixels: the document's style sheet reader takes no fractions in a font size.
QString Scaled(const QString& number, int percent) {
    return QString::number(std::lround(number.toDouble() * percent / 100.0));
}

// "12px" inside a piece of CSS.
QString ScaleCss(const QString& css, int percent) {
    static const QRegularExpression px(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    QString out;
    qsizetype last = 0;
    for (auto it = px.globalMatch(css); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += css.mid(last, m.capturedStart() - last) + Scaled(m.captured(1), percent) +
               QStringLiteral("px");
        last = m.capturedEnd();
    }
    return out + css.mid(last);
}

}  // namespace

QString ZoomedHtml(const QString& html, int percent) {
    percent = BoundedZoom(percent);
    if (percent == 100) return html;
    // Style sheets, style attributes and the sizes of pictures; nothing else holds a length.
    static const QRegularExpression piece(
        QStringLiteral("(<style[^>]*>)(.*?)(</style>)|(\\sstyle\\s*=\\s*\")([^\"]*)(\")|"
                       "(<img\\b[^>]*>)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression size(
        QStringLiteral("(\\s(?:width|height)\\s*=\\s*\"?)(\\d+(?:\\.\\d+)?)"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype last = 0;
    for (auto it = piece.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += html.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        if (!m.captured(1).isNull()) {
            out += m.captured(1) + ScaleCss(m.captured(2), percent) + m.captured(3);
        } else if (!m.captured(4).isNull()) {
            out += m.captured(4) + ScaleCss(m.captured(5), percent) + m.captured(6);
        } else {
            QString img = m.captured(7);
            QString scaled;
            qsizetype at = 0;
            for (auto s = size.globalMatch(img); s.hasNext();) {
                const QRegularExpressionMatch sm = s.next();
                scaled += img.mid(at, sm.capturedStart() - at) + sm.captured(1) +
                          Scaled(sm.captured(2), percent);
                at = sm.capturedEnd();
            }
            out += scaled + img.mid(at);
        }
    }
    return out + html.mid(last);
}
