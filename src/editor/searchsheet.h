#pragma once

#include <QString>
#include <QWidget>

class QButtonGroup;
class QComboBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The search sheet "查询" of a report window's left pane: the radio group
// RadioGroup1 "查找项目" (文号, 房屋地址, 产权人, 委托人; the first selected at
// start), the term box ComboBoxEx1 (an editable drop-down whose list holds
// two empty entries), the button BitBtn1 "查询", a small busy indicator
// Animate1 and, below a splitter, the message memo Memo2.
class SearchSheet : public QWidget
{
    Q_OBJECT

public:
    explicit SearchSheet(QWidget *parent = nullptr);

    // The column searched: that of the selected item, Address when none is.
    QString column() const;
    QString term() const;
    QPlainTextEdit *memo() const { return m_memo; }

    // Shows the busy indicator (drawn at once) or hides it.
    void setBusy(bool busy);

signals:
    // BitBtn1 was pressed.
    void searchRequested();

private:
    QButtonGroup *m_fields;
    QComboBox *m_term;
    QPushButton *m_search;
    QProgressBar *m_busy;
    QPlainTextEdit *m_memo;
};
