#pragma once

#include <QStringList>

class QIODevice;

// hadtool's command line, run in this process: the words after the
// program's name, with the output and error streams the command writes to.
// Returns the exit status: 0 on success, 1 on failure, 2 on a wrong command
// line. The commands that draw pages need a QGuiApplication, the fonts'
// substitutes and the program's settings in place (main() sets them up).
// Throws Interruption::Interrupted when a caught signal stops the command.
namespace Hadtool {

int run(const QStringList &words, QIODevice &out, QIODevice &err);

} // namespace Hadtool
