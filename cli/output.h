#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// hadtool's standard output and error, the streams of the current run.
// Output is checked: a write that the system refuses (a full disk, a closed
// pipe) makes finish() fail, so that hadtool never reports success for
// output that was lost.
namespace Output {

// While it lives, the functions below write to these streams.
class Streams
{
public:
    Streams(QIODevice &out, QIODevice &err);
    Streams(const Streams &) = delete;
    Streams &operator=(const Streams &) = delete;
    ~Streams();
};

// Appends bytes, or a text as UTF-8, to standard output.
void write(const QByteArray &bytes);
void write(const QString &text);

// Flushes standard output. Throws AppError when anything written was lost.
void finish();

// "hadtool: " + text + a line end on standard error.
void error(const QString &text);

// The text as it is on standard error.
void toError(const QString &text);

// "done/total" on a line of standard error, only when that is a terminal:
// progress is for a person watching; a script reading standard error gets
// the messages alone.
void progress(int done, int total);

// A value on one line of tab-separated output: backslash, tab, CR, LF and
// every other control character (NUL, U+0001 to U+001F, DEL, U+0080 to
// U+009F) escaped (\\, \t, \r, \n, \xHH).
QString escaped(const QString &text);

} // namespace Output
