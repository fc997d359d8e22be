#pragma once

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <type_traits>

// Runs `open`, which shows a modal dialog of the kind Dialog and returns once
// the dialog is closed, and acts in the dialog once it is the active window.
template<typename Dialog = QWidget>
void inModalDialog(
    const std::function<void()> &open, const std::type_identity_t<std::function<void(Dialog *)>> &act)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->activateWindow();
        // A dialog counts as active with its owner before it is active itself.
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        act(dialog);
        ran = true;
    });
    open();
    QVERIFY(ran);
}
