#include "ui/frame/keys_text.h"

#include <algorithm>

namespace {

struct Group {
    QString label;
    QStringList keys;
};

QList<Group> GroupsOfLine(const QList<KeysLineEntry>& entries, int line) {
    QList<Group> groups;
    for (const KeysLineEntry& entry : entries) {
        if (entry.line != line) continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const Group& g) { return g.label == entry.label; });
        if (group == groups.end()) group = groups.insert(groups.end(), Group{entry.label, {}});
        for (const QKeySequence& key : entry.keys)
            group->keys.append(key.toString(QKeySequence::NativeText));
    }
    return groups;
}

QString LineText(const QList<Group>& groups) {
    QString text;
    for (const Group& group : groups) {
        const bool several = group.keys.size() > 1;
        if (!text.isEmpty()) text += several ? QStringLiteral("; ") : QStringLiteral(", ");
        text += several ? group.keys.join(QStringLiteral(", ")) + QStringLiteral(": ") + group.label
                        : group.keys.value(0) + QLatin1Char(' ') + group.label;
    }
    return text;
}

}  // namespace

QString KeysText(const QStringList& firstLines, const QList<KeysLineEntry>& entries) {
    QStringList lines = firstLines;
    int last = 0;
    for (const KeysLineEntry& entry : entries) last = std::max(last, entry.line);
    for (int line = 1; line <= last; ++line) {
        const QList<Group> groups = GroupsOfLine(entries, line);
        if (!groups.isEmpty()) lines.append(LineText(groups));
    }
    return lines.join(QLatin1Char('\n'));
}
