#include "base/newfile.h"

#include "base/apperror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

QString NewFile::createTemporaryBeside(const QString &path)
{
    for (;;) {
        const QString name = path
            + QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        // QFile creates with mode 0666, which the system narrows by the umask.
        QFile file(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        const QFileInfo taken(name);
        if (!taken.exists() && !taken.isSymLink())
            throw AppError(
                QCoreApplication::translate("NewFile", "不能创建文件 %1: %2").arg(name, file.errorString()));
    }
}
