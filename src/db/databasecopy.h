#pragma once

#include <QString>

// Copying and replacing database files as whole files (Save As, backups).
namespace DatabaseCopy {

// Copies the file at source to target, which must not exist. Everything
// written to source so far, also through connections still open on it, is
// in the copy. Returns false when the system refuses the copy.
bool copy(const QString &source, const QString &target);

// Removes a file about to be replaced together with the journal files the
// engine may keep beside it, which would otherwise be taken for the
// journal of the new file. Returns false when a connection of this program
// has the file open or the system refuses to remove it.
bool remove(const QString &path);

} // namespace DatabaseCopy
