#include "reports/print_lines.h"

#include "reports/topic_tallies.h"

namespace {

PrintLine Line(std::initializer_list<std::pair<int, QString>> items) {
    PrintLine line;
    for (const auto& [zone, text] : items) line.zones[zone - 1] = text;
    return line;
}

void AddEmptyLines(QList<PrintLine>& lines, int count) {
    for (int i = 0; i < count; ++i) lines.append(PrintLine{});
}

}  // namespace

QList<PrintLine> BuildPrintLines(const ReportInputs& inputs) {
    const QString rule(kRuleLength, QLatin1Char('-'));
    const QString percent = QStringLiteral("%");
    QList<PrintLine> lines;
    AddEmptyLines(lines, 2);
    lines.append(Line({{2, inputs.title}}));
    AddEmptyLines(lines, 2);
    const int topics = TopicSlotsUsed(inputs);
    for (int t = 0; t < topics; ++t) {
        AddEmptyLines(lines, 2);
        const qsizetype blockStart = lines.size();
        lines.append(Line({{2, EntryOrEmpty(inputs.topicNames, t)}}));
        lines.append(Line({{2, rule}}));
        lines.append(Line({{2, QStringLiteral("Papers")},
                           {4, QStringLiteral("First take")},
                           {5, QStringLiteral("Time taken")},
                           {6, QStringLiteral("Date")},
                           {8, QStringLiteral("Second take")}}));
        lines.append(Line({{4, QStringLiteral("score")}, {8, QStringLiteral("score")}}));
        lines.append(Line({{2, rule}}));
        for (int p = 1; p <= kPapersPerTopic; ++p) {
            const int i = kPapersPerTopic * t + p - 1;
            lines.append(Line({{2, QStringLiteral("Paper %1").arg(p)},
                               {4, EntryOrEmpty(inputs.fse, i) + percent},
                               {5, EntryOrEmpty(inputs.ltm, i)},
                               {6, EntryOrEmpty(inputs.cdd, i)},
                               {8, EntryOrEmpty(inputs.sse, i) + percent}}));
        }
        for (qsizetype k = blockStart; k < lines.size() - 1; ++k) lines[k].keepWithNext = true;
    }
    return lines;
}

QList<PlacedItem> PlaceZones(const PrintLine& line) {
    QList<PlacedItem> placed;
    int end = 0;  // column after the last item written
    for (int z = 0; z < kZonesPerLine; ++z) {
        const QString& text = line.zones[z];
        if (text.isEmpty()) continue;
        int column = z * kZoneColumns;
        // An item that ran up to or into this zone pushes the next one to the following boundary,
        // so two items never touch.
        if (!placed.isEmpty() && end >= column) column = (end / kZoneColumns + 1) * kZoneColumns;
        placed.append({column, text});
        end = column + static_cast<int>(text.size());
    }
    return placed;
}

QString PlainText(const PrintLine& line) {
    QString text;
    for (const PlacedItem& item : PlaceZones(line)) {
        text = text.leftJustified(item.column, QLatin1Char(' '));
        text += item.text;
    }
    return text;
}
