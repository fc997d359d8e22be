#include "db/datamodule.h"

#include "base/apperror.h"
#include "base/prompt.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace {

TFrm_DataModule *theInstance = nullptr;

template<typename Move> bool reportedMove(Move &&move)
{
    try {
        move();
        return true;
    } catch (const ConnectionLost &) {
        throw; // the command tells why, once
    } catch (const AppError &) {
        Prompt::error(QStringLiteral("移动记录错误!"));
        return false;
    }
}

} // namespace

TFrm_DataModule::TFrm_DataModule()
{
    theInstance = this;
}

TFrm_DataModule::~TFrm_DataModule()
{
    if (theInstance == this)
        theInstance = nullptr;
}

TFrm_DataModule *TFrm_DataModule::instance()
{
    return theInstance;
}

bool TFrm_DataModule::CreateDatabase(const QString &path)
{
    // An empty name or a folder is refused before the question.
    Connection::checkNewFilePath(path);
    const QFileInfo existing(path);
    if (!existing.exists() && !existing.isSymLink()) {
        HadFile::createDatabaseFile(path);
        return true;
    }
    const PromptButton answer = Prompt::message(PromptIcon::Warning,
        QStringLiteral("数据库 ") + path + QStringLiteral(" 已存在!") + u'\n'
            + QStringLiteral("删除并创建吗?"),
        PromptButton::Yes | PromptButton::No, PromptButton::No);
    if (answer != PromptButton::Yes)
        return false;
    // The old file goes only when the new one is complete, and only while
    // no window of this or another program has it open.
    if (!HadFile::replaceDatabaseFile(path)) {
        Prompt::error(QStringLiteral("不能删除数据库 ") + path, QStringLiteral("删除数据库错误!"));
        return false;
    }
    return true;
}

bool TFrm_DataModule::AppendReport(DataSet &dataSet, const std::function<void(DataSet &)> &storePageDefaults)
{
    dataSet.append();
    storePageDefaults(dataSet);
    return true;
}

void TFrm_DataModule::PostReport(DataSet &dataSet, const QList<ComponentRow> &rows)
{
    dataSet.transaction([&] {
        const QString number = dataSet.asString(QStringLiteral("FileNo"));
        dataSet.post(DataSet::Stamp::Always);
        ComponentRows::save(dataSet.connection(), number, rows);
    });
}

bool TFrm_DataModule::DeleteReport(DataSet &dataSet, DataSet::IfChanged ifChanged)
{
    if (dataSet.isEmpty()) {
        Prompt::warning(QStringLiteral("数据表已空，不能删除!"));
        return false;
    }
    dataSet.deleteRecord(ifChanged);
    return true;
}

QString TFrm_DataModule::UnusedReportNumber(const Connection &connection, const QString &wanted)
{
    constexpr int NumberWidth = 20;
    const auto used = [&](const QString &number) {
        QSqlQuery query
            = connection.run(QStringLiteral("select count(*) from ProjectTab where FileNo = :FileNo"),
                { { QStringLiteral("FileNo"), number } });
        return query.next() && query.value(0).toLongLong() > 0;
    };
    QString number = wanted;
    for (int n = 2; used(number); ++n) {
        const QString suffix = u'-' + QString::number(n);
        number = wanted.left(NumberWidth - suffix.size()) + suffix;
    }
    return number;
}

bool TFrm_DataModule::MoveFirst(DataSet &dataSet)
{
    return reportedMove([&] { dataSet.first(); });
}

bool TFrm_DataModule::MovePrior(DataSet &dataSet)
{
    return reportedMove([&] { dataSet.prior(); });
}

bool TFrm_DataModule::MoveNext(DataSet &dataSet)
{
    return reportedMove([&] { dataSet.next(); });
}

bool TFrm_DataModule::MoveLast(DataSet &dataSet)
{
    return reportedMove([&] { dataSet.last(); });
}

bool TFrm_DataModule::MoveToReport(DataSet &dataSet, int n)
{
    return reportedMove([&] {
        dataSet.first();
        dataSet.moveBy(n);
    });
}
