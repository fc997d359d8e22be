#include "base/prompt.h"
#include "testenv.h"
#include "widgets/dialogfocusreturn.h"
#include "preview/widgetpromptbackend.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

// After a modal dialog closes, the window it came from is the active window
// again: its shortcuts work without a click on it.
class TestDialogFocusReturn : public QObject
{
    Q_OBJECT

private slots:
    void closedDialogGivesTheActivationBack_data();
    void closedDialogGivesTheActivationBack();
};

namespace {

// A frame with a text field and a Ctrl+S command, as the main window has.
struct ShortcutWindow
{
    ShortcutWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        window.addAction(save);
        window.resize(300, 200);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
    }

    QWidget window;
    QLineEdit *field = new QLineEdit(&window);
    QAction *save = new QAction(&window);
};

} // namespace

void TestDialogFocusReturn::closedDialogGivesTheActivationBack_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("message box") << "message box";
    QTest::newRow("file dialog") << "file dialog";
    QTest::newRow("own dialog") << "own dialog";
}

void TestDialogFocusReturn::closedDialogGivesTheActivationBack()
{
    QFETCH(QString, dialog);
    TestAppDir dir;
    DialogFocusReturn focusReturn;
    WidgetPromptBackend backend;
    ShortcutWindow frame;
    backend.setParent(&frame.window);

    // Escape closes the dialog once it is up. The system then leaves the
    // activation nowhere, as X does without a window manager.
    QTimer::singleShot(0, [] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    if (dialog == "message box") {
        PromptRecord prompt;
        prompt.caption = "caption";
        prompt.text = "text";
        backend.showMessage(prompt);
    } else if (dialog == "file dialog") {
        PromptRecord prompt;
        prompt.kind = PromptKind::OpenFile;
        prompt.text = dir.path();
        backend.chooseFile(prompt);
    } else {
        QDialog own(&frame.window);
        own.exec();
    }

    QTRY_COMPARE(QApplication::activeWindow(), &frame.window);
    QSignalSpy saved(frame.save, &QAction::triggered);
    QTest::keyClick(frame.field, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(saved.size(), 1);
}

QTEST_MAIN(TestDialogFocusReturn)
#include "tst_dialogfocusreturn.moc"
