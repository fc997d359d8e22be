#pragma once

#include <QString>

class WorkProgress;

// Copying and replacing database files as whole files (Save As, backups).
namespace DatabaseCopy {

// Copies the file at source to target, replacing a target that no
// connection of this program has open only once the copy is complete.
// Everything written to source so far, also through connections still open
// on it, is in the copy. Throws AppError with the reason when the system
// or the engine refuses; the target then stays as it was. A progress given
// hears, while the copy is written, how many bytes of about how many are
// done.
void copy(const QString &source, const QString &target, WorkProgress *progress = nullptr);

// Removes a file about to be replaced together with the journal files the
// engine may keep beside it, which would otherwise be taken for the
// journal of the new file. Returns false when a connection of this program
// has the file open or the system refuses to remove it.
bool remove(const QString &path);

} // namespace DatabaseCopy
