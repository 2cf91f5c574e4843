#include "results/marking_journal.h"

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

}  // namespace

QString MarkingJournalPath(const QString& programFolder) {
    return programFolder + QStringLiteral("/marking.journal");
}

AllOrNothingResult WriteAllOrNothing(const QString& programFolder, const QList<FileWrite>& writes) {
    const int count = static_cast<int>(writes.size());
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
            return {i, true};
        }
        entries.append({info.fileName(), old ? Digest(*old) : kAbsent, writes[i].bytes});
        olds.append(old);
    }

    if (!WriteFileAtomically(MarkingJournalPath(programFolder), JournalBytes(entries))) {
        qCWarning(lcResults) << "the journal could not be written; nothing was changed";
        return {count, true};
    }
    SyncFolder(programFolder);

    for (int i = 0; i < count; ++i) {
        if (WriteFileAtomically(writes[i].path, writes[i].bytes)) continue;
        bool putBack = true;
        for (int j = 0; j < i; ++j) putBack = PutBack(writes[j].path, olds[j]) && putBack;
        if (putBack) {
            RemoveJournal(programFolder);
        } else {
            qCWarning(lcResults)
                << "a failed change could not be undone; the next start finishes it";
        }
        return {i, putBack};
    }
    RemoveJournal(programFolder);
    return {};
}

RecoveryReport RecoverInterruptedMarking(const QString& programFolder) {
    RecoveryReport report;
    const QString journalPath = MarkingJournalPath(programFolder);
    const FileKind kind = FileKindAt(journalPath);
    if (kind == FileKind::Missing) return report;
    const std::optional<QByteArray> journal = ReadRegularFile(journalPath);
    if (!journal) {
        qCWarning(lcResults) << journalPath << "cannot be read";
        report.outcome = RecoveryOutcome::Failed;
        return report;
    }
    const std::optional<QList<JournalEntry>> entries = ParseJournal(*journal);
    if (!entries) {
        qCWarning(lcResults) << "the journal is damaged and was discarded";
        RemoveJournal(programFolder);
        report.outcome = RecoveryOutcome::Discarded;
        return report;
    }

    // Each file must hold its old or its new bytes; anything else means it changed after the
    // journal was left, and replaying the journal would undo that later work.
    QList<const JournalEntry*> pending;
    for (const JournalEntry& entry : *entries) {
        const QString path = programFolder + QLatin1Char('/') + entry.name;
        const FileKind now = FileKindAt(path);
        const std::optional<QByteArray> bytes =
            now == FileKind::Regular ? ReadRegularFile(path) : std::nullopt;
        if (bytes && *bytes == entry.bytes) continue;
        const bool asBefore = bytes ? Digest(*bytes) == entry.oldDigest
                                    : now == FileKind::Missing && entry.oldDigest == kAbsent;
        if (!asBefore) {
            qCWarning(lcResults) << "the journal is out of date (" << entry.name
                                 << "changed since); discarded";
            RemoveJournal(programFolder);
            report.outcome = RecoveryOutcome::Discarded;
            return report;
        }
        pending.append(&entry);
    }
    for (const JournalEntry* entry : pending) {
        const QString path = programFolder + QLatin1Char('/') + entry->name;
        if (!WriteFileAtomically(path, entry->bytes)) {
            qCWarning(lcResults) << "an interrupted change could not be finished:" << path;
            report.outcome = RecoveryOutcome::Failed;
            return report;
        }
        report.written += path;
    }
    RemoveJournal(programFolder);
    report.outcome = RecoveryOutcome::Finished;
    qCInfo(lcResults) << "finished an interrupted change:" << report.written;
    return report;
}
