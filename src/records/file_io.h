#pragma once
// Whole-file reads and writes of the program's own files. Reads never block on a special file
// (a FIFO, a device) put where a file is expected; writes are atomic: a sibling temporary file
// "NAME.hmquiz-tmp-XXXXXX" renamed over the old one.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// What stands at a path; a symbolic link counts as what it points to, a dangling one as Missing.
enum class FileKind { Missing, Regular, Directory, Fifo, Socket, CharDevice, BlockDevice, Other };

FileKind FileKindAt(const QString& path);

// The bytes of a regular file, or nothing when the path is missing, not a regular file, or
// cannot be read.
std::optional<QByteArray> ReadRegularFile(const QString& path);

// Why a write of one of the program's files failed.
enum class WriteProblem {
    None,
    NotRegularFile,   // a folder, FIFO or device stands where the file should be
    NoPermission,     // the file or its folder may not be written
    ReadOnlyDisk,     // the disk it is on is mounted read-only
    DiskFull,         // no room left on the disk, or the learner's quota is used up
    TooLarge,         // larger than the system lets a file grow
    HeldByOtherCopy,  // another copy of the program holds the folder the file is in
    Other,            // any other error the system reports (its own words are kept)
};

struct WriteError {
    QString path;  // the file as the program names it
    WriteProblem problem = WriteProblem::None;
    int systemError = 0;  // errno when the system said why
    bool failed() const { return problem != WriteProblem::None; }
};

// The reason in the learner's words, naming no file: "the disk is full".
QString WriteProblemText(const WriteError& error);
// The file and the reason: "marks2HM.txt cannot be written: the disk is full".
QString DescribeWriteError(const WriteError& error);
// The problem a system error number stands for.
WriteProblem WriteProblemOf(int systemError);

enum class FileSync {
    ToDisk,  // the bytes reach the disk before the rename: results files
    None,    // rewritten at every start anyway (skin pictures) or deleted right after (temp files)
};

// Replaces the file at `path` by `bytes` through a temporary sibling and a rename, so the path
// always holds the old or the new bytes whole. A symbolic link is written through. Refuses (false,
// nothing changed) a path that holds anything but a regular file, or a file it may not write.
// On failure `error`, when given, says which file and why.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes,
                         FileSync sync = FileSync::ToDisk, WriteError* error = nullptr);

// True for the name of a temporary copy this writer makes: the mark ".hmquiz-tmp-" and six letters
// after a file's name. Nobody types such a name, so a file that carries it is always the program's
// own, and one left by an interrupted write may be removed; any other name is somebody's file.
bool IsTemporaryFileName(const QString& fileName);

// Asked before every synced write (results files, the journal) with the file the write will
// replace once links are followed; a false answer refuses that write (it fails, nothing changes).
// The program sets it once it holds its data folder, so a copy that lost the folder to another
// cannot overwrite that copy's work. May be called from any thread. Empty: every write goes ahead.
using WriteGate = std::function<bool(const QString& target)>;
void SetWriteGate(WriteGate gate);

// Makes the renames and removals in a folder durable.
bool SyncFolder(const QString& folder);

// Tests only: a function called around every rename of WriteFileAtomically, so a test driver can
// end the process at a chosen point. The shipped program never sets it.
enum class CommitPoint { BeforeRename, AfterRename };
using CommitHook = void (*)(CommitPoint point, const QString& path);
void SetCommitHookForTesting(CommitHook hook);
