#pragma once

#include "base/apperror.h"

// A save or delete refused because another connection (another window,
// another program) saved or deleted the report since this one loaded it.
// Nothing of the refused work is stored.
class RowConflict : public AppError
{
public:
    enum class Kind { Changed, Deleted };

    explicit RowConflict(Kind kind);

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};
