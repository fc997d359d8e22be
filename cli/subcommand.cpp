#include "subcommand.h"

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
                throw UsageError { QStringLiteral("option %1 needs a value").arg(name) };
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
        throw UsageError { QStringLiteral("option %1 takes a whole number of at least %2, not '%3'")
                               .arg(name)
                               .arg(minimum)
                               .arg(*text) };
    return n;
}

QStringList Arguments::positionals(int min, int max)
{
    for (const QString &word : std::as_const(m_words))
        if (word.startsWith(u'-') && word != u"-")
            throw UsageError { QStringLiteral("unknown option '%1'").arg(word) };
    const QStringList words = m_words + m_afterOptions;
    if (words.size() < min)
        throw UsageError { QStringLiteral("missing argument") };
    if (words.size() > max)
        throw UsageError { QStringLiteral("unexpected argument '%1'").arg(words.at(max)) };
    return words;
}
