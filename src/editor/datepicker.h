#pragma once

#include <QDateTimeEdit>

// A date picker of the report window. A click or a double-click on a part
// of the date (year, month or day) selects that whole part, so that digits
// typed next replace it ("3" over "10" makes October March), as on the
// date pickers of other desktop programs. Selecting with the mouse or the
// keyboard works as usual.
class DatePicker : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit DatePicker(const QDateTime &dateTime, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
