#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QProcess;

// The program's write paths as the crash tests and the kill benchmark run
// them. Each prepares its files in a folder, runs its write on them in a
// child process (the program appraisal-write-path, which the parent kills
// at some moment), and names the file it writes. What that file holds after
// a kill is read with fileState() and must be one of the states the path
// may leave: the old one, the new one, or one of the completed steps
// between them.
struct WritePath
{
    QString name;
    // The file written, relative to the folder.
    QString file;
    // The system calls at which the crash-point test kills the child.
    QStringList syscalls;
    // Writes the files the path starts from into an empty folder (in the
    // child: a report window's first open may change a database).
    std::function<void(const QString &folder)> prepare;
    // Runs the write on the prepared folder. Called in the child, with
    // ready() called just before the write starts.
    std::function<void(const QString &folder, const std::function<void()> &ready)> run;
    // The states of completed steps between the old and the new state, from
    // the new state; none for a path that stores in one step.
    std::function<QStringList(const QString &newState)> between
        = [](const QString &) { return QStringList(); };
};

const QList<WritePath> &writePaths();
// The path of the given name; a name not listed stops the program.
const WritePath &writePath(const QString &name);

// The content of a file as one text for comparison: for a database its
// integrity check, its reports (number and contact person, in table order)
// and the component rows of every number; for any other file its size and
// hash; "missing" when there is none. A database the engine cannot open
// or check reads as "damaged: " and the reason.
QString fileState(const QString &path);

// Whether a state is one a damaged file gives.
bool isDamaged(const QString &state);

// One write path with its prepared files, the states a run may leave and
// a folder to run it in. Made by preparing the files and running the path
// once without a kill; a failure there stops the program.
class WritePathRuns
{
public:
    explicit WritePathRuns(const WritePath &path);

    // The prepared files, afresh in the work folder.
    void restore() const;
    // The state of the written file in the work folder.
    QString current() const;
    // Whether a run may leave the state: the old, the new, or one between.
    bool allows(const QString &state) const { return m_allowed.contains(state); }

    // Starts the path on the work folder; with a tracer, as the last of the
    // tracer's arguments. Killed programs look for no leaks at their exit.
    void start(QProcess &child, const QString &tracer = {}, const QStringList &tracing = {}) const;
    // Waits until the child is about to write.
    static void waitForReady(QProcess &child);

    struct Kill
    {
        bool killed; // false when the path had ended before the moment came
        quint32 delayUs; // after the child was ready
    };
    // Runs the path on the restored files and kills it at a random moment
    // of its write, up to the time its clean run took.
    Kill runKilledAtRandom() const;

    QString oldState;
    QString newState;

private:
    const WritePath &m_path;
    QTemporaryDir m_pristine;
    QTemporaryDir m_work;
    QStringList m_allowed;
    qint64 m_cleanMs = 0;
};
