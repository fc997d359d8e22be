#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class DataSet;

// The report columns that the report window edits, each with the control
// that holds it and, for a request field repeated on the report page, the
// read-only mirror. This one table moves a report between its ProjectTab row
// and the window's controls; loading, storing, clearing, templates and the
// page values all walk it.
namespace ReportFields {

enum class Kind {
    Text, // one-line text
    Choice, // editable drop-down: free text or an item of its list
    Memo, // multi-line text of any length
    Area, // floor area: a decimal number as text, empty for none
    Date, // date picker
};

struct Binding
{
    QString column; // ProjectTab column
    QString control; // objectName of the control
    QString mirror; // objectName of its mirror, or empty
    Kind kind;
    int width; // characters the column holds; 0 for memos, areas and dates
};

// The bound columns in the order of the report window's table.
const QList<Binding> &bindings();
// The binding of a column, or null.
const Binding *find(const QString &column);

// The five floor areas, in column order.
const QStringList &areaColumns();

// Items of the editable drop-downs, by control name.
QStringList choices(const QString &control);

} // namespace ReportFields

// The texts of one report as the report window shows them, by column: what
// LoadReport puts into the controls, and what the templates and the page
// files read. Dates are kept as dates.
struct ReportTexts
{
    QHash<QString, QString> values; // text columns, memos and areas
    QDate trustDate;
    QDate apprDate;

    // The text of a column; empty when it has none.
    QString text(const QString &column) const { return values.value(column); }
    void setText(const QString &column, const QString &text) { values.insert(column, text); }

    // The current row of a report data set, formatted as the window shows
    // it: null gives an empty text, areas their shortest decimal form of at
    // most 15 significant digits, and a date that is null or unreadable
    // gives today.
    static ReportTexts fromRow(const DataSet &reports, const QDate &today = QDate::currentDate());
};

// The building-area total shown beside the five areas: each area's text read
// as a decimal number (empty or unreadable counts as 0), added up, written as
// the shortest decimal text of at most 15 significant digits ("0" for none).
QString SumBuildingArea(const ReportTexts &texts);

// A text with its line breaks as the program keeps them in files and on the
// pages: CR LF, whether they came as CR LF or as a lone LF.
QString withCrLf(const QString &text);

// A date as the report pages and the report page's mirror write it:
// "2005年3月7日", or with twoDigits "2005年03月07日".
QString chineseDate(const QDate &date, bool twoDigits = false);
