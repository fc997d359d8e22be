#pragma once

#include <QString>
#include <QStringList>

// The statements of an SQL script, in order: the text is cut at every ";"
// that stands outside a quoted text or identifier, "--" and "/* */" comments
// are left out, and empty statements are dropped. Throws AppError when a
// quote or comment is left open at the end.
QStringList splitSqlStatements(const QString &script);
