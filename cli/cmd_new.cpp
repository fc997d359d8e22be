// hadtool new: create an empty appraisal database.

#include "base/prompt.h"
#include "commandtable.h"
#include "db/connection.h"
#include "db/databaselocation.h"
#include "db/datamodule.h"
#include "db/serverschema.h"
#include "output.h"
#include "stderrpromptbackend.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QFileInfo>

namespace {

int run(Arguments &arguments)
{
    const bool force = arguments.flag(QStringLiteral("--force"));
    const QString path = absolutePath(arguments.positionals(1, 1).at(0));
    if (DatabaseLocation::looksLikeServer(path)) {
        if (force)
            throw UsageError { QStringLiteral("--force is for files: a server database is never replaced") };
        ServerSchema::create(path);
        return 0;
    }
    Connection::checkNewFilePath(path);
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !force) {
        Output::error(QStringLiteral("数据库 ") + path + QStringLiteral(" 已存在! (--force 删除并创建)"));
        return 1;
    }
    StderrPromptBackend backend(PromptButton::Yes);
    Prompt::setBackend(&backend);
    TFrm_DataModule module;
    const bool created = module.CreateDatabase(path);
    Prompt::setBackend(nullptr);
    if (!created)
        Output::error(QStringLiteral("数据库 ") + path
            + QStringLiteral(" 正被一个程序打开着, 或者不能写入; 原来的文件没有改变。"));
    return created ? 0 : 1;
}

} // namespace

const Subcommand NewCommand {
    "new",
    "FILE.had [--force] | postgresql://USER@HOST:PORT/DBNAME",
    "create an empty appraisal database",
    "Creates FILE.had with the tables ProjectTab and CalcuData and no reports.\n"
    "The file is built under a temporary name in the same folder and takes its\n"
    "name only when complete; a failure leaves no file behind.\n"
    "\n"
    "Given a PostgreSQL URL (libpq's form; sslmode, connect_timeout and the\n"
    "other libpq parameters are honoured), creates the two tables in that\n"
    "existing, empty server database, in one transaction; a database that\n"
    "holds either table already is refused and left as it is.\n"
    "\n"
    "Options:\n"
    "  --force   replace an existing FILE.had (refused while any program has it open)\n",
    run,
};
