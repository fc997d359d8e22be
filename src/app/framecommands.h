#pragma once

#include "base/errorreport.h"

#include <QAction>
#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

// The frame's command (a QAction) by its objectName.
using FrameAction = std::function<QAction *(const QString &name)>;

// Connects each named frame command to a member function of owner, run as
// one user command: a failure is shown once through the general error
// report.
template<typename Owner>
void bindFrameCommands(Owner *owner, const FrameAction &action,
    std::initializer_list<std::pair<const char *, void (Owner::*)()>> commands)
{
    for (const auto &[name, member] : commands)
        QObject::connect(action(QString::fromLatin1(name)), &QAction::triggered, owner,
            [owner, command = member] { runReported([&] { (owner->*command)(); }); });
}
