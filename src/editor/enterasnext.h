#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// The Enter key inside a report window, seen before its controls get it: in
// a memo it starts a new line as usual; the component table (and its cell
// editor) moves to its next cell itself; in any other control Enter moves
// the focus to the next control in tab order.
class EnterAsNext : public QObject
{
    Q_OBJECT

public:
    // Watches the key presses of every control inside window; grid is the
    // component table.
    EnterAsNext(QWidget *window, QWidget *grid);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusNextControl(QWidget *from);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_grid;
};
