#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace records {

// The record files, directly in the record directory. The directory ends with
// "/" and the names begin with one, so a path holds a doubled separator, which
// still names a file right in that directory.
inline const QString scoreFileName = QStringLiteral("/quorvrec.txt");
inline const QString nameFileName = QStringLiteral("/quorvrec1.txt");
// Taken while the record is read at start-up or compared and stored at leaving,
// so that two copies of the game cannot undo each other's record, nor read one
// half stored.
inline const QString lockFileName = QStringLiteral("/quorvrec.lock");
// Holds both new lines while the two files are being replaced, so that a copy
// that dies in between leaves the whole new record behind for the next one.
inline const QString intentFileName = QStringLiteral("/quorvrec.new");

// The most of a record file that is read. The game never writes more than a
// name of 32767 characters and its line end, so every record it stored is read
// whole; a larger file (damaged, or not ours) shows only its beginning.
constexpr qint64 readLimit = 64 * 1024;

// What went wrong with a record file: the step, the file and the system's reason.
struct Failure {
    enum Step { Directory, Create, Read, Write, Lock };
    Step step;
    QString file;
    QString reason;
    // A store that failed with its intent file in place: the next copy to take
    // the lock stores that pair after all.
    bool intentLeft = false;
};

// Creates the file, empty, when it is missing; an existing file is left untouched.
std::optional<Failure> createIfMissing(const QString &path);

struct FileText {
    QString text;
    std::optional<Failure> failure;
};

// The content of a regular file, decoded, cut after `limit` bytes. Anything
// else where the file should be (a directory, a pipe, a device) is refused
// without opening it, so reading can never hang.
FileText readWholeFile(const QString &path, qint64 limit = readLimit);

// Replaces both record files, each with one line, as one: both new contents are
// written and synced to disk, then stored together in the intent file, then each
// file is replaced by a rename, and the intent file goes last. A failure before
// the intent file is in place leaves both files as they were. A crash after it,
// or a failed rename of the name file, leaves the intent file for
// finishInterruptedStore. Call it holding the record lock.
std::optional<Failure> writeRecordFiles(const QString &dir, const QString &scoreText,
                                        const QString &nameText);

// The names of the temporary files of the record files and of the intent file
// in the folder: left by a copy that died while storing, as no store is running.
QStringList storeLeftovers(const QString &dir);

// Puts the record folder in order after a copy of the game that died while
// storing: removes its temporary files, then completes the pair from the intent
// file it left (or throws the intent file away when it is not one we wrote). An
// intent file that cannot be read now stays, with a Read failure. Call it
// holding the record lock, before reading or writing the record.
std::optional<Failure> finishInterruptedStore(const QString &dir);

} // namespace records
