#pragma once

#include "db/recoveryrecord.h"

#include <QString>

#include <functional>

class TfrmChildWin;

// At start-up: the unsaved edits that report windows of an earlier run left
// behind (a crash, a power cut) are offered one report at a time. 是 shows
// the edits in a report window, modified and not saved; 否 deletes the
// record; 取消 keeps it for the next start. A damaged record is reported
// and kept.
namespace RecoveryOffer {

// Gives a report window on a database file, opening one when needed.
// Throws AppError when the file cannot be opened.
using WindowOnDatabase = std::function<TfrmChildWin *(const QString &path)>;

// Offers every record in the program folder, oldest first.
void offerAll(const QString &appDir, const WindowOnDatabase &windowOn);

} // namespace RecoveryOffer
