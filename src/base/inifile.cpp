#include "base/inifile.h"

#include "base/apperror.h"
#include "base/cp936.h"
#include "base/filebytes.h"
#include "base/prompt.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// The files found unreadable in this run (absolute paths): reported once,
// never written.
QSet<QString> &unreadableFiles()
{
    static QSet<QString> files;
    return files;
}

QString sectionName(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return QString();
    return Cp936::decode(t.mid(1, t.size() - 2)).trimmed();
}

bool isSectionLine(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']') && t.size() >= 2;
}

bool isComment(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    return t.startsWith(';') || t.startsWith('#');
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString &path, WriteMode mode)
    : m_path(path)
    , m_mode(mode)
{
    read();
}

void IniFile::read()
{
    const QFileInfo info(m_path);
    const QString key = info.absoluteFilePath();
    if (unreadableFiles().contains(key)) {
        m_unreadable = true;
        return;
    }
    if (!info.exists())
        return;
    // A FIFO or a device would block or never end: only regular files are read.
    QString reason;
    QByteArray content;
    if (!info.isFile()) {
        reason = QStringLiteral("不是普通文件");
    } else if (info.size() > MaxSize) {
        reason = QStringLiteral("文件大于 1 MiB");
    } else {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly)) {
            reason = file.errorString();
        } else {
            content = file.read(MaxSize + 1);
            if (file.error() != QFileDevice::NoError)
                reason = file.errorString();
            else if (content.size() > MaxSize)
                reason = QStringLiteral("文件大于 1 MiB");
        }
    }
    if (!reason.isEmpty()) {
        m_unreadable = true;
        unreadableFiles().insert(key);
        Prompt::error(QStringLiteral("不能读取配置文件 ") + m_path + QStringLiteral(" (") + reason
            + QStringLiteral(")!\n本次运行使用默认设置, 不会写入这个文件。"));
        return;
    }
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype newline = content.indexOf('\n', start);
        if (newline < 0) {
            m_lines.append(content.mid(start));
            m_ends.append(QByteArray());
            break;
        }
        const bool crlf = newline > start && content.at(newline - 1) == '\r';
        m_lines.append(content.mid(start, newline - start - (crlf ? 1 : 0)));
        m_ends.append(crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n"));
        start = newline + 1;
    }
    if (!m_ends.isEmpty() && !m_ends.first().isEmpty())
        m_lineEnd = m_ends.first();
}

IniFile::Location IniFile::find(const QString &section, const QString &key) const
{
    Location loc;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QByteArray &line = m_lines.at(i);
        if (isSectionLine(line)) {
            if (loc.sectionLine >= 0)
                break; // the next section begins
            if (sameName(sectionName(line), section)) {
                loc.sectionLine = i;
                loc.sectionEnd = i + 1;
            }
            continue;
        }
        if (loc.sectionLine < 0)
            continue;
        if (!line.trimmed().isEmpty())
            loc.sectionEnd = i + 1;
        if (loc.keyLine >= 0 || isComment(line))
            continue;
        const int eq = line.indexOf('=');
        if (eq > 0 && sameName(Cp936::decode(line.left(eq)).trimmed(), key))
            loc.keyLine = i;
    }
    return loc;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    return find(section, key).keyLine >= 0;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Location loc = find(section, key);
    if (loc.keyLine < 0)
        return defaultValue;
    const QByteArray &line = m_lines.at(loc.keyLine);
    return Cp936::decode(line.mid(line.indexOf('=') + 1)).trimmed();
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::insertLine(int index, const QByteArray &line)
{
    // A last line without a line end gets one before a line follows it.
    if (index > 0 && m_ends.at(index - 1).isEmpty())
        m_ends[index - 1] = m_lineEnd;
    m_lines.insert(index, line);
    m_ends.insert(index, m_lineEnd);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    refuseIfUnreadable();
    // A line break would end the key's line early and make the rest of the
    // value a line of its own: another key, or another section.
    for (const QString &text : { section, key, value })
        if (text.contains(u'\r') || text.contains(u'\n'))
            throw AppError(QStringLiteral("配置项 [%1] %2 的值含有换行, 不能写入配置文件 %3!")
                               .arg(section, key, m_path));
    const QByteArray keyLine = Cp936::encode(key) + '=' + Cp936::encode(value);
    const Location loc = find(section, key);
    if (loc.keyLine >= 0) {
        m_lines[loc.keyLine] = keyLine;
    } else if (loc.sectionLine >= 0) {
        insertLine(loc.sectionEnd, keyLine);
    } else {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            insertLine(int(m_lines.size()), QByteArray());
        insertLine(int(m_lines.size()), '[' + Cp936::encode(section) + ']');
        insertLine(int(m_lines.size()), keyLine);
    }
    if (m_mode == WriteMode::Immediately)
        commit();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::refuseIfUnreadable() const
{
    if (m_unreadable)
        throw AppError(
            QStringLiteral("配置文件 ") + m_path + QStringLiteral(" 不能读取, 本次运行不会写入它!"));
}

void IniFile::commit() const
{
    refuseIfUnreadable();
    QByteArray content;
    for (int i = 0; i < m_lines.size(); ++i)
        content += m_lines.at(i) + m_ends.at(i);
    const QString reason = FileBytes::replaceContent(m_path, content);
    if (!reason.isEmpty())
        throw AppError(QStringLiteral("不能写入配置文件 %1: %2").arg(m_path, reason));
}
