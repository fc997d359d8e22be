#include "app/recentfilesmenu.h"

#include "base/errorreport.h"
#include "base/prompt.h"
#include "base/recentdatabases.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

RecentFilesMenu::RecentFilesMenu(QMenu *menu, std::function<void(const QString &location)> open)
    : QObject(menu)
    , m_menu(menu)
    , m_open(std::move(open))
{
    refresh();
}

void RecentFilesMenu::opened(const QString &location)
{
    runReported([&] { RecentDatabases::add(location); });
    refresh();
}

void RecentFilesMenu::refresh()
{
    // The entries go later: refresh() may run from an entry's own trigger.
    for (QAction *old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList locations = RecentDatabases::read();
    for (int i = 0; i < locations.size(); ++i) {
        const QString &location = locations.at(i);
        // A "&" of the path is shown as it is, not taken as an access key.
        QString shown = RecentDatabases::displayText(location);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction *entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        entry->setStatusTip(RecentDatabases::displayText(location));
        connect(entry, &QAction::triggered, this, [this, location] { choose(location); });
    }
    m_menu->menuAction()->setEnabled(!locations.isEmpty());
}

void RecentFilesMenu::choose(const QString &location)
{
    if (!RecentDatabases::isServerLocation(location) && !QFileInfo(location).isFile()) {
        Prompt::error(
            QStringLiteral("数据库 ") + location + QStringLiteral(" 不存在, 已从最近打开的文件中删除!"));
        runReported([&] { RecentDatabases::remove(location); });
        refresh();
        return;
    }
    runReported([&] { m_open(location); });
}
