#include "sqlscript.h"

#include "base/apperror.h"

QStringList splitSqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    const auto finish = [&] {
        const QString statement = current.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
        current.clear();
    };

    qsizetype i = 0;
    const qsizetype n = script.size();
    while (i < n) {
        const QChar c = script.at(i);
        const QChar next = i + 1 < n ? script.at(i + 1) : QChar();
        if (c == u'\'' || c == u'"') {
            // A quoted text or identifier; a doubled quote stands for itself.
            qsizetype end = i + 1;
            for (;;) {
                end = script.indexOf(c, end);
                if (end < 0)
                    throw AppError(QStringLiteral("SQL script: quote %1 opened at offset %2 is never closed")
                                       .arg(c)
                                       .arg(i));
                if (end + 1 < n && script.at(end + 1) == c) {
                    end += 2;
                    continue;
                }
                break;
            }
            current += QStringView(script).sliced(i, end + 1 - i);
            i = end + 1;
        } else if (c == u'-' && next == u'-') {
            const qsizetype end = script.indexOf(u'\n', i);
            i = end < 0 ? n : end; // the line break itself is kept
        } else if (c == u'/' && next == u'*') {
            const qsizetype end = script.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                throw AppError(
                    QStringLiteral("SQL script: comment opened at offset %1 is never closed").arg(i));
            current += u' ';
            i = end + 2;
        } else if (c == u';') {
            finish();
            ++i;
        } else {
            current += c;
            ++i;
        }
    }
    finish();
    return statements;
}
