#include "app/inifile.h"

#include "app/apperror.h"
#include "app/cp936.h"

#include <QFile>
#include <QSaveFile>

namespace {

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    if (content.isEmpty())
        return;
    const int firstNewline = content.indexOf('\n');
    if (firstNewline >= 0)
        m_lineEnd = (firstNewline > 0 && content.at(firstNewline - 1) == '\r') ? "\r\n" : "\n";
    m_endsWithLineEnd = content.endsWith('\n');
    m_lines = content.split('\n');
    if (m_endsWithLineEnd)
        m_lines.removeLast();
    for (QByteArray &line : m_lines)
        if (line.endsWith('\r'))
            line.chop(1);
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

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray keyLine = Cp936::encode(key) + '=' + Cp936::encode(value);
    const Location loc = find(section, key);
    if (loc.keyLine >= 0) {
        m_lines[loc.keyLine] = keyLine;
    } else if (loc.sectionLine >= 0) {
        m_lines.insert(loc.sectionEnd, keyLine);
    } else {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QByteArray());
        m_lines.append('[' + Cp936::encode(section) + ']');
        m_lines.append(keyLine);
    }
    m_endsWithLineEnd = true;
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

void IniFile::commit() const
{
    QByteArray content = m_lines.join(m_lineEnd);
    if (m_endsWithLineEnd)
        content += m_lineEnd;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw AppError(QStringLiteral("不能写入配置文件 %1: %2").arg(m_path, file.errorString()));
}
