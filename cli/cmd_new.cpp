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

#include <QCoreApplication>
#include <QFileInfo>

namespace {

int run(Arguments &arguments)
{
    const bool force = arguments.flag(QStringLiteral("--force"));
    const QString path = absolutePath(arguments.positionals(1, 1).at(0));
    if (DatabaseLocation::looksLikeServer(path)) {
        if (force)
            throw UsageError { QCoreApplication::translate(
                "hadtool", "--force 只用于文件: 服务器数据库从不被替换") };
        ServerSchema::create(path);
        return 0;
    }
    Connection::checkNewFilePath(path);
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !force) {
        Output::error(
            QCoreApplication::translate("hadtool", "数据库 %1 已存在! (--force 删除并创建)").arg(path));
        return 1;
    }
    StderrPromptBackend backend(PromptButton::Yes);
    Prompt::setBackend(&backend);
    TFrm_DataModule module;
    const bool created = module.CreateDatabase(path);
    Prompt::setBackend(nullptr);
    if (!created)
        Output::error(QCoreApplication::translate(
            "hadtool", "数据库 %1 正被一个程序打开着, 或者不能写入; 原来的文件没有改变。")
                          .arg(path));
    return created ? 0 : 1;
}

} // namespace

const Subcommand NewCommand {
    "new",
    "FILE.had [--force] | postgresql://USER@HOST:PORT/DBNAME",
    QT_TRANSLATE_NOOP("hadtool", "创建一个空的鉴定数据库"),
    QT_TRANSLATE_NOOP("hadtool",
        "创建含表 ProjectTab 和 CalcuData、没有报告的 FILE.had。文件先以临时名称\n"
        "建在同一文件夹中, 完成后才改用它的名称; 失败时不留下任何文件。\n"
        "\n"
        "给出 PostgreSQL URL (libpq 的格式; sslmode、connect_timeout 等 libpq\n"
        "参数都有效) 时, 在这个已有的空服务器数据库中用一个事务创建这两个表;\n"
        "已含其中任一个表的数据库被拒绝, 保持原样。\n"
        "\n"
        "选项:\n"
        "  --force   替换已有的 FILE.had (有程序打开它时拒绝)\n"),
    run,
};
