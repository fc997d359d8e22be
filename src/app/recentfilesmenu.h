#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMenu;

// 文件 › 最近打开的文件: one entry per database of the recent list, newest
// first, numbered 1 to 8. Choosing an entry opens it again; a file that is no
// longer there is taken off the list with a message instead.
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    // open: opens a database in a new report window; throws AppError.
    RecentFilesMenu(QMenu *menu, std::function<void(const QString &location)> open);

    // A database was opened: it goes to the top of the list.
    void opened(const QString &location);
    // Rebuilds the entries from the list in config.ini.
    void refresh();

private:
    void choose(const QString &location);

    QMenu *m_menu;
    std::function<void(const QString &)> m_open;
};
