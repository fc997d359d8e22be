#include "base/apperror.h"
#include "base/filebytes.h"
#include "output/pdftextrepair.h"

#include <QDir>
#include <QFile>

void PdfTextRepair::requireComplete(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() > 8 && file.seek(file.size() - 8)
        && file.read(8).contains("%%EOF"))
        return;
    file.close();
    // Writing on where the engine stopped makes the system name its reason.
    QString reason = QStringLiteral("文件没有写完整");
    if (file.open(QIODevice::Append | QIODevice::Unbuffered) && !FileBytes::writeAll(file, QByteArray(64 * 1024, '\n')))
        reason = file.errorString();
    throw AppError(QStringLiteral("不能写入文件 ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
}
