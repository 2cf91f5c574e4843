#include "ui/practice/strip_rows.h"

StripRows PlanStripRows(int stripWidth, const QList<StripGroup>& groups) {
    StripRows out;
    out.places.resize(groups.size());
    const int room = stripWidth - kStripMarginLeft - kStripMarginRight;
    // Fill the rows in order; a group goes to the next row when it does not fit beside the
    // groups already there.
    QList<QList<int>> rows{{}};
    int used = 0;
    for (int i = 0; i < groups.size(); ++i) {
        StripRowPlace& p = out.places[i];
        if (groups[i].fullWidth <= 0) continue;
        p.width = groups[i].fullWidth;
        if (p.width > room && groups[i].compactWidth > 0) {
            p.compact = true;
            p.width = groups[i].compactWidth;
        }
        if (p.width > room) continue;
        p.shown = true;
        const int needed = rows.last().isEmpty() ? p.width : used + kStripGroupGap + p.width;
        if (needed > room) {
            rows.append(QList<int>());
            used = p.width;
        } else {
            used = needed;
        }
        rows.last().append(i);
    }
    if (rows.last().isEmpty() && rows.size() > 1) rows.removeLast();
    out.rowCount = static_cast<int>(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        int right = stripWidth - kStripMarginRight;
        for (qsizetype k = rows[r].size() - 1; k >= 0; --k) {
            StripRowPlace& p = out.places[rows[r][k]];
            p.row = r;
            if (rows[r][k] == 0) {
                p.left = kStripMarginLeft;  // the remaining list, at the left
            } else {
                p.left = right - p.width;
                right = p.left - kStripGroupGap;
            }
        }
    }
    return out;
}
