#include "results/marking_journal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <optional>

#include "records/file_io.h"
#include "results/results_files.h"
#include "results/results_log.h"

// Journal layout (bytes, LF line ends):
//   HMJOURNAL 1
//   FILE <name, percent-encoded> <old: digest of the old bytes, or "-" when absent> <size>
//   <size bytes>
//   ... one FILE block per file, in write order ...
//   END <digest of everything before this line>
namespace {

class JournalText {
    Q_DECLARE_TR_FUNCTIONS(Journal)
};

const QByteArray kMagic = "HMJOURNAL 1\n";
const QByteArray kAbsent = "-";

QByteArray Digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

struct JournalEntry {
    QString name;
    QByteArray oldDigest;  // kAbsent when the file did not exist
    QByteArray bytes;
};

QByteArray JournalBytes(const QList<JournalEntry>& entries) {
    QByteArray body = kMagic;
    for (const JournalEntry& entry : entries) {
        body += "FILE " + QUrl::toPercentEncoding(entry.name) + ' ' + entry.oldDigest + ' ' +
                QByteArray::number(entry.bytes.size()) + '\n' + entry.bytes + '\n';
    }
    return body + "END " + Digest(body) + '\n';
}

// The entries of a journal whose digest holds and whose names are results files, or nothing.
std::optional<QList<JournalEntry>> ParseJournal(const QByteArray& journal) {
    const qsizetype end = journal.lastIndexOf("END ");
    if (!journal.startsWith(kMagic) || end < 0 || !journal.endsWith('\n')) return std::nullopt;
    const QByteArray body = journal.first(end);
    if (journal.sliced(end + 4).trimmed() != Digest(body)) return std::nullopt;

    QList<JournalEntry> entries;
    qsizetype pos = kMagic.size();
    while (pos < body.size()) {
        const qsizetype lineEnd = body.indexOf('\n', pos);
        if (lineEnd < 0) return std::nullopt;
        const QList<QByteArray> words = body.sliced(pos, lineEnd - pos).split(' ');
        bool sizeOk = false;
        const qsizetype size = words.size() == 4 ? words[3].toLongLong(&sizeOk) : -1;
        if (words.size() != 4 || words[0] != "FILE" || !sizeOk || size < 0 ||
            lineEnd + 1 + size + 1 > body.size() || body[lineEnd + 1 + size] != '\n')
            return std::nullopt;
        JournalEntry entry{QUrl::fromPercentEncoding(words[1]), words[2],
                           body.sliced(lineEnd + 1, size)};
        if (!IsResultsFileName(entry.name)) return std::nullopt;
        entries.append(entry);
        pos = lineEnd + 1 + size + 1;
    }
    return entries;
}

bool RemoveJournal(const QString& programFolder) {
    const QString path = MarkingJournalPath(programFolder);
    const bool removed = QFile::remove(path);
    if (!removed) qCWarning(lcResults) << "cannot remove the journal" << path;
    SyncFolder(programFolder);
    return removed;
}

// Puts back what a file held before the change: its old bytes, or no file.
bool PutBack(const QString& path, const std::optional<QByteArray>& old) {
    if (old) return WriteFileAtomically(path, *old);
    return !QFile::exists(path) || QFile::remove(path);
}

// Where the files of a journal stand now: each must hold its old or its new bytes; anything
// else means it changed after the journal was left, and replaying the journal would undo that.
struct JournalCheck {
    bool upToDate = true;
    QString changed;                     // the first file that changed since
    QList<const JournalEntry*> pending;  // files still holding their old bytes
};

JournalCheck CheckJournal(const QString& programFolder, const QList<JournalEntry>& entries) {
    JournalCheck check;
    for (const JournalEntry& entry : entries) {
        const QString path = programFolder + QLatin1Char('/') + entry.name;
        const FileKind now = FileKindAt(path);
        const std::optional<QByteArray> bytes =
            now == FileKind::Regular ? ReadRegularFile(path) : std::nullopt;
        if (bytes && *bytes == entry.bytes) continue;
        const bool asBefore = bytes ? Digest(*bytes) == entry.oldDigest
                                    : now == FileKind::Missing && entry.oldDigest == kAbsent;
        if (!asBefore) {
            check.upToDate = false;
            check.changed = entry.name;
            return check;
        }
        check.pending.append(&entry);
    }
    return check;
}

// A journal left only because its removal failed (every file already holds its new bytes) is
// removed; true then. Any other journal stays for the next start.
bool RemoveIfApplied(const QString& programFolder) {
    const std::optional<QByteArray> journal = ReadRegularFile(MarkingJournalPath(programFolder));
    const std::optional<QList<JournalEntry>> entries =
        journal ? ParseJournal(*journal) : std::nullopt;
    if (!entries) return false;
    const JournalCheck check = CheckJournal(programFolder, *entries);
    return check.upToDate && check.pending.isEmpty() && RemoveJournal(programFolder);
}

}  // namespace

bool UnfinishedChangePending(const QString& programFolder) {
    return FileKindAt(MarkingJournalPath(programFolder)) != FileKind::Missing ||
           QFileInfo(MarkingJournalPath(programFolder)).isSymLink();
}

QString DescribeChangeFailure(const AllOrNothingResult& result) {
    if (result.earlierChangePending)
        return JournalText::tr(
            "an earlier marking or erase is not finished yet; the program finishes it when it "
            "next starts");
    if (!result.filesAsBefore)
        return JournalText::tr(
                   "%1; what was already written could not be undone either, so the program "
                   "finishes the change when it next starts")
            .arg(DescribeWriteError(result.error));
    return DescribeWriteError(result.error);
}

QString DescribeFailedRecovery(const RecoveryReport& report) {
    const QString name = QFileInfo(report.error.path).fileName();
    QString what = DescribeWriteError(report.error);
    if (report.error.path.endsWith(QLatin1String("/marking.journal"))) {
        switch (report.error.problem) {
            case WriteProblem::NotRegularFile:
                what =
                    JournalText::tr("%1, the program's note of it, is not a plain file").arg(name);
                break;
            case WriteProblem::Other:
                what = JournalText::tr("%1, the program's note of it, cannot be read").arg(name);
                break;
            default:
                what = JournalText::tr("%1, the program's note of it, cannot be removed: %2")
                           .arg(name, WriteProblemText(report.error));
                break;
        }
    }
    return JournalText::tr(
               "A marking or erase that was interrupted could not be finished: %1.\n\nUntil it "
               "is, no answer or result can be saved. The program tries again each time it "
               "starts.")
        .arg(what);
}

QString MarkingJournalPath(const QString& programFolder) {
    return programFolder + QStringLiteral("/marking.journal");
}

AllOrNothingResult WriteAllOrNothing(const QString& programFolder, const QList<FileWrite>& writes) {
    const int count = static_cast<int>(writes.size());
    AllOrNothingResult result;
    const QString journalPath = MarkingJournalPath(programFolder);
    if (UnfinishedChangePending(programFolder) && !RemoveIfApplied(programFolder)) {
        qCWarning(lcResults) << "an earlier change is unfinished (" << journalPath
                             << "); nothing was changed";
        result.failedIndex = count;
        result.earlierChangePending = true;
        result.error = {journalPath, WriteProblem::Other};
        return result;
    }
    QList<std::optional<QByteArray>> olds;
    QList<JournalEntry> entries;
    for (int i = 0; i < count; ++i) {
        const QFileInfo info(writes[i].path);
        const FileKind kind = FileKindAt(writes[i].path);
        std::optional<QByteArray> old =
            kind == FileKind::Regular ? ReadRegularFile(writes[i].path) : std::nullopt;
        if (QDir::cleanPath(info.absolutePath()) !=
                QDir::cleanPath(QFileInfo(programFolder).absoluteFilePath()) ||
            !IsResultsFileName(info.fileName()) || (kind != FileKind::Missing && !old)) {
            qCWarning(lcResults) << "will not write" << writes[i].path << "as part of a change";
            result.failedIndex = i;
            result.error = {writes[i].path, kind == FileKind::Regular || kind == FileKind::Missing
                                                ? WriteProblem::Other
                                                : WriteProblem::NotRegularFile};
            return result;
        }
        entries.append({info.fileName(), old ? Digest(*old) : kAbsent, writes[i].bytes});
        olds.append(old);
    }

    if (!WriteFileAtomically(journalPath, JournalBytes(entries), FileSync::ToDisk, &result.error)) {
        qCWarning(lcResults) << "the journal could not be written; nothing was changed";
        result.failedIndex = count;
        return result;
    }
    SyncFolder(programFolder);

    for (int i = 0; i < count; ++i) {
        if (WriteFileAtomically(writes[i].path, writes[i].bytes, FileSync::ToDisk, &result.error))
            continue;
        bool putBack = true;
        for (int j = 0; j < i; ++j) putBack = PutBack(writes[j].path, olds[j]) && putBack;
        if (putBack) {
            RemoveJournal(programFolder);
        } else {
            qCWarning(lcResults)
                << "a failed change could not be undone; the next start finishes it";
        }
        result.failedIndex = i;
        result.filesAsBefore = putBack;
        return result;
    }
    RemoveJournal(programFolder);
    return {};
}

RecoveryReport RecoverInterruptedMarking(const QString& programFolder) {
    RecoveryReport report;
    const QString journalPath = MarkingJournalPath(programFolder);
    if (!UnfinishedChangePending(programFolder)) return report;
    const FileKind kind = FileKindAt(journalPath);
    const std::optional<QByteArray> journal = ReadRegularFile(journalPath);
    if (!journal) {
        qCWarning(lcResults) << journalPath << "cannot be read";
        report.outcome = RecoveryOutcome::Failed;
        report.error = {journalPath, kind == FileKind::Regular ? WriteProblem::Other
                                                               : WriteProblem::NotRegularFile};
        return report;
    }
    const std::optional<QList<JournalEntry>> entries = ParseJournal(*journal);
    if (!entries) {
        qCWarning(lcResults) << "the journal is damaged and was discarded";
        RemoveJournal(programFolder);
        report.outcome = RecoveryOutcome::Discarded;
        return report;
    }

    const JournalCheck check = CheckJournal(programFolder, *entries);
    if (!check.upToDate) {
        qCWarning(lcResults) << "the journal is out of date (" << check.changed
                             << "changed since); discarded";
        RemoveJournal(programFolder);
        report.outcome = RecoveryOutcome::Discarded;
        return report;
    }
    for (const JournalEntry* entry : check.pending) {
        const QString path = programFolder + QLatin1Char('/') + entry->name;
        if (!WriteFileAtomically(path, entry->bytes, FileSync::ToDisk, &report.error)) {
            qCWarning(lcResults) << "an interrupted change could not be finished:" << path;
            report.outcome = RecoveryOutcome::Failed;
            return report;
        }
        report.written += path;
    }
    if (!RemoveJournal(programFolder)) {
        report.outcome = RecoveryOutcome::Failed;
        report.error = {journalPath, WriteProblemOf(EACCES)};
        return report;
    }
    report.outcome = RecoveryOutcome::Finished;
    qCInfo(lcResults) << "finished an interrupted change:" << report.written;
    return report;
}
