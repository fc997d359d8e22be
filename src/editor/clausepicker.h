#pragma once

#include "base/appraisalstandard.h"
#include "db/componentrows.h"

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
// any other column gets an empty list without columns. A table graded by
// JGJ 125-2016 holds the level in column 1 (基础, the storeys 1 to
// `storeys`, -1 to -3) and one of the ten kinds of component in column 2.
ClauseChoices fixedChoices(
    int column, AppraisalStandard standard = AppraisalStandard::Jgj125_99, int storeys = 0);

// The storeys above ground that the level list offers for a report whose
// 层数 is the given text: the number it begins with (at most 99), 1 when it
// begins with none.
int storeyCount(const QString &layers);

// What a row's clauses are found by, as the library keeps them in Part: the
// constituent part (JGJ 125-99); by JGJ 125-2016 the kind of component, or
// 基础 for every row on the level 基础.
QString clausePart(const ComponentRow &row, AppraisalStandard standard);

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
