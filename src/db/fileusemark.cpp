#include "db/fileusemark.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The engine locks the bytes from 1 GiB on (the pending and reserved bytes
// and 510 shared bytes); the mark stays clear of them.
constexpr off_t MarkedByte = 0x40000000 + 0x1000;

} // namespace

FileUseMark::~FileUseMark()
{
    release();
}

void FileUseMark::share(const QString &path)
{
    take(path, F_RDLCK);
}

bool FileUseMark::takeAlone(const QString &path)
{
    return take(path, F_WRLCK) != Taken::InUse;
}

FileUseMark::Taken FileUseMark::take(const QString &path, short type)
{
    release();
    // A write lock needs a descriptor that may write.
    const int access = type == F_WRLCK ? O_RDWR : O_RDONLY;
    m_descriptor = ::open(QFile::encodeName(path).constData(), access | O_CLOEXEC);
    if (m_descriptor < 0)
        return Taken::Unsupported;
    struct flock lock
    {
    };
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = MarkedByte;
    lock.l_len = 1;
    if (::fcntl(m_descriptor, F_OFD_SETLK, &lock) == 0)
        return Taken::Yes;
    const bool inUse = errno == EAGAIN || errno == EACCES;
    release();
    return inUse ? Taken::InUse : Taken::Unsupported;
}

void FileUseMark::release()
{
    if (m_descriptor < 0)
        return;
    ::close(m_descriptor);
    m_descriptor = -1;
}
