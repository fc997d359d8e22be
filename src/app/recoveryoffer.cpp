#include "app/recoveryoffer.h"

#include "base/apperror.h"
#include "base/errorreport.h"
#include "base/prompt.h"
#include "editor/childwin.h"

#include <QDir>

namespace RecoveryOffer {

namespace {

// The record's database and report, when its edits were written, and a note
// on where the report stands.
QString question(const RecoveryRecord &record, const QString &note)
{
    const QString number = record.texts.text(QStringLiteral("FileNo"));
    const QString address = record.texts.text(QStringLiteral("Address"));
    return QStringLiteral("发现未保存的修改：\n数据库: %1\n报告: 编号 %2，地址 %3\n记于 %4\n%5恢复吗?")
        .arg(QDir::toNativeSeparators(record.database), number.isEmpty() ? QStringLiteral("(无)") : number,
            address.isEmpty() ? QStringLiteral("(无)") : address,
            record.written.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), note);
}

QString targetNote(RecoveryRecords::Target target)
{
    switch (target) {
    case RecoveryRecords::Target::Report:
        break;
    case RecoveryRecords::Target::NewReport:
        return QStringLiteral("这是一份从未保存过的新报告，恢复后作为新报告显示。\n");
    case RecoveryRecords::Target::MissingDatabase:
        return QStringLiteral("此数据库已不存在，现在不能恢复；选“取消”保留这些修改，以后再决定。\n");
    case RecoveryRecords::Target::DeletedReport:
        return QStringLiteral("此报告已从数据库中删除，恢复后作为新报告显示。\n");
    }
    return QString();
}

// Reads where the report stands; a database that cannot be read is told
// in the question and left for 是 to report.
QString describe(const RecoveryRecord &record, RecoveryRecords::Target *target)
{
    *target = RecoveryRecords::Target::Report;
    try {
        *target = RecoveryRecords::target(record);
        return question(record, targetNote(*target));
    } catch (const AppError &error) {
        return question(record, error.message() + u'\n');
    }
}

void offer(const QString &path, const WindowOnDatabase &windowOn)
{
    RecoveryRecord record;
    try {
        record = RecoveryRecords::read(path);
    } catch (const AppError &error) {
        Prompt::warning(error.message() + QStringLiteral("\n此记录保留在原处。"));
        return;
    }
    RecoveryRecords::Target target;
    const QString text = describe(record, &target);
    const PromptButton answer = Prompt::message(PromptIcon::Question, text,
        PromptButton::Yes | PromptButton::No | PromptButton::Cancel, PromptButton::Yes);
    if (answer == PromptButton::No) {
        runReported([&] { RecoveryRecords::remove(path); });
        return;
    }
    if (answer != PromptButton::Yes)
        return;
    // The window keeps the edits in a record of its own before this one goes.
    runReported([&] {
        TfrmChildWin *window = windowOn(record.database);
        window->recoverEdits(record, target != RecoveryRecords::Target::Report);
        RecoveryRecords::remove(path);
    });
}

} // namespace

void offerAll(const QString &appDir, const WindowOnDatabase &windowOn)
{
    for (const QString &path : RecoveryRecords::found(appDir))
        offer(path, windowOn);
}

} // namespace RecoveryOffer
