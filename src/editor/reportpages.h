#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class PanelScrollBox;
class QDateTimeEdit;
class QLineEdit;

// The request page "登记" (ScrollBox1 holding Panel1, "房屋安全鉴定申请") and
// the report page "鉴定报告" (ScrollBox2 holding Panel2, "房屋安全鉴定报告")
// of a report window, with every bound control, its label, the read-only
// mirrors of the request fields (in the info-tip colour), the drop-down
// lists, the two date pickers and the area total labedtSum. Each control
// carries its objectName; a label is the buddy of its control. One-line
// controls take no more characters than their column holds.
class ReportPages
{
public:
    // Creates both pages; parent owns them.
    explicit ReportPages(QWidget *parent);

    static constexpr QSize RequestPanelSize { 605, 337 };
    static constexpr QSize ReportPanelSize { 590, 1257 };
    static inline const QString DateFormat = QStringLiteral("yyyy年M月d日");

    PanelScrollBox *requestBox() const { return m_requestBox; } // ScrollBox1
    PanelScrollBox *reportBox() const { return m_reportBox; } // ScrollBox2

    // A control by objectName: bound controls, mirrors and labedtSum.
    QWidget *control(const QString &name) const { return m_controls.value(name); }
    QLineEdit *sumField() const { return m_sum; }
    QDateTimeEdit *datePicker(const QString &column) const;

private:
    QWidget *buildRequestPanel();
    QWidget *buildReportPanel();
    QWidget *make(const QString &name, QWidget *parent);

    QHash<QString, QWidget *> m_controls;
    PanelScrollBox *m_requestBox = nullptr;
    PanelScrollBox *m_reportBox = nullptr;
    QLineEdit *m_sum = nullptr;
};
