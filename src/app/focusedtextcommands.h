#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// Runs the edit commands (undo, cut, copy, paste, select all) on the text
// field that has the keyboard focus (a one-line edit, a memo, or the edit
// part of an editable combo box) and keeps each command enabled exactly
// when it can act on that field. Focus moving into a menu or out of the
// application keeps the field; focus on any other control leaves none.
class FocusedTextCommands : public QObject
{
    Q_OBJECT

public:
    struct Actions
    {
        QAction *undo;
        QAction *cut;
        QAction *copy;
        QAction *paste;
        QAction *selectAll;
    };

    FocusedTextCommands(const Actions &actions, QObject *parent);

    // The text field the commands act on, or null.
    QWidget *target() const { return m_target; }

public slots:
    void refresh();

private:
    void focusChanged(QWidget *now);
    void retarget(QWidget *field);

    Actions m_actions;
    QPointer<QWidget> m_target;
    QList<QMetaObject::Connection> m_targetConnections;
};
