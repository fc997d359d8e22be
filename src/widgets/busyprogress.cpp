#include "widgets/busyprogress.h"

#include <QApplication>
#include <QProgressDialog>

#include <algorithm>

namespace {

constexpr std::chrono::milliseconds DefaultDialogDelay(500);
std::chrono::milliseconds g_dialogDelay = DefaultDialogDelay;
// The bar's steps when the work knows its total.
constexpr int BarSteps = 1000;

} // namespace

BusyProgress::BusyProgress(const QString &label, QWidget *parent)
    : m_label(label)
    , m_parent(parent)
{
    m_elapsed.start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyProgress::~BusyProgress()
{
    delete m_dialog;
    QApplication::restoreOverrideCursor();
}

void BusyProgress::setDialogDelay(std::chrono::milliseconds delay)
{
    g_dialogDelay = delay;
}

std::chrono::milliseconds BusyProgress::dialogDelay()
{
    return g_dialogDelay;
}

void BusyProgress::advanced(qint64 done, qint64 total)
{
    const bool firstShow = !m_dialog && m_elapsed.elapsed() >= g_dialogDelay.count();
    if (firstShow) {
        m_dialog = new QProgressDialog(m_label, QString(), 0, 0, m_parent);
        m_dialog->setObjectName(QStringLiteral("BusyProgressDialog"));
        m_dialog->setWindowTitle(QApplication::applicationDisplayName());
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setCancelButton(nullptr);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
    }
    if (!m_dialog)
        return; // the busy cursor is enough for a moment's work
    if (total > 0) {
        m_dialog->setMaximum(BarSteps);
        m_dialog->setValue(int(std::clamp<qint64>(done * BarSteps / total, 0, BarSteps)));
    } else {
        m_dialog->setMaximum(0);
    }
    if (firstShow)
        m_dialog->show();
    // The windows are waiting: only what they draw (the cursor, the dialog)
    // is handled, never a click or a key.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
