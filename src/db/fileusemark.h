#pragma once

#include <QString>

// A mark on a database file that a connection may write through it, seen by
// every program on the machine. The engine's own locks cannot tell this
// between two changes: with a rollback journal a connection holds none while
// it is idle. The mark is a lock on a byte that the engine never locks,
// owned by a descriptor of the mark's own (an open file description lock):
// unlike the engine's locks, which belong to the process and go when any
// descriptor of the file in the process is closed, it ends only when the
// mark is released.
class FileUseMark
{
public:
    FileUseMark() = default;
    ~FileUseMark();
    FileUseMark(const FileUseMark &) = delete;
    FileUseMark &operator=(const FileUseMark &) = delete;

    // Marks the file as in use, beside any other users. A file that cannot
    // take the mark (being replaced, or a file system without such locks)
    // is used unmarked.
    void share(const QString &path);
    // Marks the file as in use by this one alone. False while another mark
    // is on it; true, without a mark, where the file system has no such
    // locks.
    bool takeAlone(const QString &path);
    void release();

private:
    enum class Taken { Yes, InUse, Unsupported };
    Taken take(const QString &path, short type);

    int m_descriptor = -1;
};
