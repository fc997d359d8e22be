#include "db/lookupindexes.h"

#include "base/apperror.h"
#include "db/connection.h"

#include <QString>

namespace LookupIndexes {

void ensure(Connection &connection)
{
    static const char *const Statements[] = {
        "create index if not exists ProjectTabOrder on ProjectTab(ID)",
        "create index if not exists ProjectTabFileNo on ProjectTab(FileNo)",
        "create index if not exists ProjectTabAddress on ProjectTab(Address)",
        "create index if not exists ProjectTabPropertyRightMan on ProjectTab(PropertyRightMan)",
        "create index if not exists ProjectTabClient on ProjectTab(Client)",
        "create index if not exists CalcuDataFileNo on CalcuData(FileNo)",
    };
    // A server database gets its indexes with its tables.
    if (connection.isServer())
        return;
    try {
        connection.transaction([&] {
            for (const char *statement : Statements)
                connection.execute(QString::fromLatin1(statement));
        });
    } catch (const AppError &) {
        // Read-only or otherwise unwritable: the file is used as it is.
    }
}

} // namespace LookupIndexes
