#pragma once

#include "base/workprogress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <chrono>

class QProgressDialog;
class QWidget;

// Shows the user that the program is busy with work it does while the
// windows wait: a busy cursor from the first step, and a progress dialog
// with what is being done once the work has taken longer than a moment
// (a bar that fills when the work knows its total, a moving one when not).
// Lives exactly as long as the work; the dialog has no cancel button.
class BusyProgress : public WorkProgress
{
public:
    // label: what is being done ("正在打开数据库…"); parent: the window that
    // waits for the work.
    explicit BusyProgress(const QString &label, QWidget *parent = nullptr);
    ~BusyProgress() override;
    BusyProgress(const BusyProgress &) = delete;
    BusyProgress &operator=(const BusyProgress &) = delete;

    void advanced(qint64 done, qint64 total) override;

    // How long the work runs before the dialog shows (half a second);
    // tests shorten or lengthen it.
    static void setDialogDelay(std::chrono::milliseconds delay);
    static std::chrono::milliseconds dialogDelay();

private:
    QString m_label;
    QPointer<QWidget> m_parent;
    QElapsedTimer m_elapsed;
    QPointer<QProgressDialog> m_dialog;
};
