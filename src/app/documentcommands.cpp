#include "app/documentcommands.h"

#include "app/framecommands.h"
#include "app/serverdialog.h"
#include "base/apperror.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "base/recentdatabases.h"
#include "db/databasecopy.h"
#include "editor/childwin.h"
#include "editor/datamoduleaccess.h"
#include "editor/reportlist.h"
#include "output/pagesettingsstore.h"
#include "widgets/busyprogress.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

DocumentCommands::DocumentCommands(Frame frame, QObject *parent)
    : QObject(parent)
    , m_frame(std::move(frame))
{
    bindFrameCommands(this, m_frame.action,
        {
            { "Actn_FileNew", &DocumentCommands::New },
            { "Actn_FileOpen", &DocumentCommands::Open },
            { "Actn_FileOpenServer", &DocumentCommands::OpenServer },
            { "Actn_FileClose", &DocumentCommands::Close },
            { "Actn_FileSave", &DocumentCommands::Save },
            { "Actn_FileSaveAs", &DocumentCommands::SaveAs },
            { "Actn_RecordAppend", &DocumentCommands::Append },
            { "Actn_RecordInsert", &DocumentCommands::Insert },
            { "Actn_RecordDelete", &DocumentCommands::Delete },
            { "Actn_RecordFirst", &DocumentCommands::First },
            { "Actn_RecordPrior", &DocumentCommands::Prior },
            { "Actn_RecordNext", &DocumentCommands::Next },
            { "Actn_RecordLast", &DocumentCommands::Last },
        });
}

QString DocumentCommands::folder(const QString &name) const
{
    return QDir(Process.AppDir).filePath(name);
}

void DocumentCommands::New()
{
    const QString path = Prompt::saveFile({ QStringLiteral("保存新数据库为"), folder(QStringLiteral("Data")),
        m_saveDialogName, DatabaseFilter, QStringLiteral("had") });
    if (path.isEmpty())
        return;
    m_saveDialogName = QFileInfo(path).fileName();
    if (dataModule().CreateDatabase(path))
        m_frame.openWindow(path);
}

void DocumentCommands::Open()
{
    const QString path = Prompt::openFile({ QStringLiteral("打开房屋安全鉴定数据库"),
        folder(QStringLiteral("Data")), QString(), DatabaseFilter, QStringLiteral("had") });
    if (!path.isEmpty())
        m_frame.openWindow(path);
}

void DocumentCommands::OpenServer()
{
    // The dialog starts from the server database opened last.
    QString last;
    for (const QString &location : RecentDatabases::read())
        if (RecentDatabases::isServerLocation(location)) {
            last = location;
            break;
        }
    TFRM_ServerDatabase dialog(last, QApplication::activeWindow());
    if (dialog.exec() == QDialog::Accepted)
        m_frame.openWindow(dialog.location());
}

void DocumentCommands::Close()
{
    if (TfrmChildWin *window = m_frame.activeWindow())
        window->close();
}

void DocumentCommands::Save()
{
    if (TfrmChildWin *window = m_frame.activeWindow())
        window->saveReport();
}

void DocumentCommands::SaveAs()
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    m_saveDialogName = QFileInfo(window->FileName()).fileName();
    const QString chosen = Prompt::saveFile({ QStringLiteral("另存为"), folder(QStringLiteral("Backup")),
        m_saveDialogName, DatabaseFilter, QStringLiteral("had") });
    if (chosen.isEmpty())
        return;
    m_saveDialogName = QFileInfo(chosen).fileName();
    // The window stays on its own file; the copy holds what is posted.
    try {
        CopyFileWithPrompt(window->FileName(), withHadExtension(chosen));
    } catch (...) {
        Prompt::error(QStringLiteral("保存项目错误!"));
    }
}

QString withExtension(const QString &chosen, const QString &extension)
{
    const QFileInfo info(chosen);
    QString name = info.fileName();
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name.truncate(dot);
    return QDir(info.path()).filePath(name + u'.' + extension);
}

bool CopyFileWithPrompt(const QString &source, const QString &target)
{
    if (!QFileInfo::exists(source)) {
        Prompt::error(QStringLiteral("源文件 ") + source + QStringLiteral(" 不存在!"));
        return false;
    }
    const QString canonicalTarget = QFileInfo(target).canonicalFilePath();
    if (source.compare(target, Qt::CaseInsensitive) == 0
        || (!canonicalTarget.isEmpty() && canonicalTarget == QFileInfo(source).canonicalFilePath())) {
        Prompt::error(QStringLiteral("源文件: ") + source + QStringLiteral(" 和\r目标文件: ") + target
            + QStringLiteral(" 相同!\r复制失败!"));
        return false;
    }
    const QString failed = QStringLiteral("复制 ") + source + QStringLiteral(" 错误!");
    const QFileInfo existing(target);
    if ((existing.exists() || existing.isSymLink())
        && !Prompt::confirm(QStringLiteral("覆盖已存在的文件 ") + target + QStringLiteral(" 吗?")))
        return false;
    try {
        BusyProgress busy(QStringLiteral("正在另存为…"), QApplication::activeWindow());
        DatabaseCopy::copy(source, target, &busy);
    } catch (const AppError &error) {
        Prompt::error(failed + u'\n' + error.message());
        return false;
    }
    return true;
}

void DocumentCommands::Append()
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    // The edited report with its component rows, then the new report with
    // its ten empty lines: each is stored whole or not at all.
    window->saveReport();
    dataModule().AppendReport(window->ReportQuery(), StorePageDefaultsToRow);
    window->ClearReport();
    window->ResetComponentGrid();
    // The new report is stored even when clearing changed nothing on the
    // pages; saving it lists it and selects its entry.
    window->setModified(true);
    window->saveReport();
}

void DocumentCommands::Insert()
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    if (window->Modified())
        window->SaveComponentRows();
    window->LoadReport(window->ReportQuery());
}

void DocumentCommands::Delete()
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    DataSet &reports = window->ReportQuery();
    window->deleteShownReport();
    if (reports.isEmpty()) {
        // The pages keep showing the last report deleted. Nothing of it is
        // left unsaved: a save (of its own or before an append) must not
        // store it again as a new report.
        window->setModified(false);
    } else {
        window->showReport(reports);
    }
    window->FillReportList(reports);
    window->showCurrentEntry();
}

void DocumentCommands::First()
{
    move(Move::First);
}

void DocumentCommands::Prior()
{
    move(Move::Prior);
}

void DocumentCommands::Next()
{
    move(Move::Next);
}

void DocumentCommands::Last()
{
    move(Move::Last);
}

void DocumentCommands::move(Move move)
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    // The test is on the list: after a search that found nothing the moves
    // refuse, however many reports the file holds.
    if (window->reportList()->reportModel()->rowCount() == 0) {
        Prompt::error(QStringLiteral("数据表已空，不能移动记录"));
        return;
    }
    DataSet &reports = window->ReportQuery();
    window->storeFields();
    const DataSet::Bookmark shown = reports.bookmark();
    TFrm_DataModule &module = dataModule();
    switch (move) {
    case Move::First:
        module.MoveFirst(reports);
        break;
    case Move::Prior:
        module.MovePrior(reports);
        break;
    case Move::Next:
        module.MoveNext(reports);
        break;
    case Move::Last:
        module.MoveLast(reports);
        break;
    }
    window->showCurrentEntry();
    // Next on the last report shows it as it is.
    if (move == Move::Next && reports.eof())
        return;
    window->showReportMovedFrom(shown);
}
