#include "db/rowconflict.h"

RowConflict::RowConflict(Kind kind)
    : AppError(kind == Kind::Changed ? QStringLiteral("该鉴定报告在载入之后已被他人保存")
                                     : QStringLiteral("该鉴定报告已被他人删除"))
    , m_kind(kind)
{ }
