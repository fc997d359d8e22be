#pragma once

#include <QList>
#include <QString>
#include <QTreeWidget>

#include <functional>

// What the choice list beside the component table offers for one column:
// the fixed words of the parts, component names and structures, or the
// clauses of the clause library that fit a row.
struct ClauseChoice
{
    QString number; // "1", "2", ... or the clause number
    QString text;
};

struct ClauseChoices
{
    bool hasColumns = false; // false: the list stays empty, without columns
    QString textHeader; // header of the second column; the first is "序号"
    int numberWidth = 0; // column widths in pixels
    int textWidth = 0;
    QList<ClauseChoice> entries;
};

namespace ClauseLibrary {

// The library read: the user's own Resource/ApprStandar.mdb under the
// program folder when there is one, else the installed one.
QString path();

// The fixed list of a table column (1 part, 2 component name, 3 structure);
// any other column gets an empty list without columns.
ClauseChoices fixedChoices(int column);

// The clause list's columns without entries.
ClauseChoices noClauses();

// The clauses whose Part and Struct match the two texts under LIKE (letter
// case ignored, "%" and "_" in a text act as wildcards; nothing is added to
// the texts), in the order the library returns them. The library is opened
// read-only for this one query and closed again. Throws AppError when it is
// missing or cannot be read.
ClauseChoices clausesFor(const QString &part, const QString &structure);

} // namespace ClauseLibrary

// The choice list ListView2: a report-style list of number and text with
// whole-row selection. The entry whose number equals the text of the
// table's current cell is drawn white on green.
class ClauseChoiceList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit ClauseChoiceList(QWidget *parent = nullptr);

    // Replaces columns and entries, drawn once at the end; the last entry
    // is scrolled into view.
    void showChoices(const ClauseChoices &choices);
    // Removes columns and entries.
    void clearChoices();

    // Where the list reads the text that marks an entry (the current cell).
    void setMarkSource(std::function<QString()> source);

private:
    std::function<QString()> m_markSource;
};
