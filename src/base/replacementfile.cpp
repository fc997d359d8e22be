#include "base/replacementfile.h"

#include "base/apperror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

ReplacementFile::ReplacementFile(const QString &path)
    : m_path(path)
    , m_temporary(path + QStringLiteral(".XXXXXX"))
{
    if (!m_temporary.open())
        throw AppError(QCoreApplication::translate("ReplacementFile", "不能创建文件 %1: %2")
                           .arg(QDir::toNativeSeparators(m_path), m_temporary.errorString()));
    m_temporary.close();
}

void ReplacementFile::commit()
{
    const auto failed = [this](const QString &reason) {
        return AppError(QCoreApplication::translate("ReplacementFile", "不能写入文件 %1: %2")
                            .arg(QDir::toNativeSeparators(m_path), reason));
    };
    // The complete file reaches the disk before it takes the old one's place.
    QFile written(m_temporary.fileName());
    if (!written.open(QIODevice::ReadOnly))
        throw failed(written.errorString());
    if (::fsync(written.handle()) != 0)
        throw failed(QString::fromLocal8Bit(std::strerror(errno)));
    written.close();
    const QFileInfo existing(m_path);
    m_temporary.setPermissions(existing.exists() ? existing.permissions()
                                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // A rename replaces the old file in one step; QFile::rename would not
    // replace an existing file.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_temporary.fileName()).toStdString(),
        QFile::encodeName(m_path).toStdString(), error);
    if (error)
        throw failed(QString::fromLocal8Bit(error.message().c_str()));
    m_temporary.setAutoRemove(false);
    // And so does the rename, with the folder that records it.
    const int folder = ::open(QFile::encodeName(existing.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}
