#include "subcommand.h"

#include <QCoreApplication>

Arguments::Arguments(QStringList words)
    : m_words(std::move(words))
{
    if (const qsizetype end = m_words.indexOf(QStringLiteral("--")); end >= 0) {
        m_afterOptions = m_words.mid(end + 1);
        m_words.resize(end);
    }
}

bool Arguments::help()
{
    const bool longForm = flag(QStringLiteral("--help"));
    return flag(QStringLiteral("-h")) || longForm;
}

bool Arguments::flag(const QString &name)
{
    return m_words.removeAll(name) > 0;
}

std::optional<QString> Arguments::value(const QString &name)
{
    std::optional<QString> found;
    for (qsizetype i = 0; i < m_words.size();) {
        const QString &word = m_words.at(i);
        if (word == name) {
            if (i + 1 >= m_words.size())
                throw UsageError { QCoreApplication::translate("hadtool", "选项 %1 需要一个值").arg(name) };
            found = m_words.at(i + 1);
            m_words.remove(i, 2);
        } else if (word.startsWith(name + u'=')) {
            found = word.mid(name.size() + 1);
            m_words.remove(i);
        } else {
            ++i;
        }
    }
    return found;
}

std::optional<int> Arguments::number(const QString &name, int minimum)
{
    const std::optional<QString> text = value(name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int n = text->toInt(&ok, 10);
    if (!ok || n < minimum)
        throw UsageError { QCoreApplication::translate("hadtool", "选项 %1 要求不小于 %2 的整数, 不能是 '%3'")
                               .arg(name)
                               .arg(minimum)
                               .arg(*text) };
    return n;
}

QStringList Arguments::positionals(int min, int max)
{
    for (const QString &word : std::as_const(m_words))
        if (word.startsWith(u'-') && word != u"-")
            throw UsageError { QCoreApplication::translate("hadtool", "未知选项 '%1'").arg(word) };
    const QStringList words = m_words + m_afterOptions;
    if (words.size() < min)
        throw UsageError { QCoreApplication::translate("hadtool", "缺少参数") };
    if (words.size() > max)
        throw UsageError { QCoreApplication::translate("hadtool", "多余的参数 '%1'").arg(words.at(max)) };
    return words;
}
