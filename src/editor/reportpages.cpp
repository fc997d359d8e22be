#include "editor/reportpages.h"

#include "db/reportfields.h"
#include "editor/datepicker.h"
#include "editor/fieldtext.h"
#include "editor/panelscrollbox.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <functional>

namespace {

using ReportFields::Binding;
using ReportFields::Kind;

const Binding *bindingOfControl(const QString &name)
{
    for (const Binding &b : ReportFields::bindings())
        if (b.control == name || b.mirror == name)
            return &b;
    return nullptr;
}

QLabel *title(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(16);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel *bold(QLabel *label)
{
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *section(const QString &text, QWidget *parent)
{
    return bold(new QLabel(text, parent));
}

// A label for a control, right next to it, with the control as its buddy.
QLabel *labelFor(const QString &text, QWidget *control, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void addLabelled(QGridLayout *grid, int row, int column, QLabel *label, QWidget *control, int span = 1)
{
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1, 1, span);
}

// A read-only field in the info-tip colours.
void showAsInfo(QLineEdit *edit)
{
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    edit->setPalette(palette);
}

} // namespace

ReportPages::ReportPages(QWidget *parent)
{
    m_requestBox = new PanelScrollBox(buildRequestPanel(), parent);
    m_requestBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_reportBox = new PanelScrollBox(buildReportPanel(), parent);
    m_reportBox->setObjectName(QStringLiteral("ScrollBox2"));
}

QDateTimeEdit *ReportPages::datePicker(const QString &column) const
{
    const Binding *b = ReportFields::find(column);
    return b && b->kind == Kind::Date ? qobject_cast<QDateTimeEdit *>(control(b->control)) : nullptr;
}

// A control by name: a bound column's control of the kind its column
// needs, limited to the column's width; a mirror or the area total as a
// read-only field in the info-tip colours.
QWidget *ReportPages::make(const QString &name, QWidget *parent)
{
    const Binding *b = bindingOfControl(name);
    if (name == QLatin1String("labedtSum") || (b && b->mirror == name)) {
        auto *mirror = new QLineEdit(parent);
        mirror->setObjectName(name);
        showAsInfo(mirror);
        mirror->setFocusPolicy(Qt::NoFocus);
        if (b && b->kind != Kind::Date)
            FieldText::setLimit(mirror, b->width);
        if (!b)
            m_sum = mirror;
        m_controls.insert(name, mirror);
        return mirror;
    }
    QWidget *control = nullptr;
    switch (b ? b->kind : Kind::Text) {
    case Kind::Text:
    case Kind::Area:
        control = new QLineEdit(parent);
        break;
    case Kind::Choice: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(ReportFields::choices(name));
        combo->setEditText(QString());
        control = combo;
        break;
    }
    case Kind::Memo: {
        auto *memo = new QPlainTextEdit(parent);
        memo->setTabChangesFocus(true);
        control = memo;
        break;
    }
    case Kind::Date: {
        auto *picker = new DatePicker(QDateTime::currentDateTime(), parent);
        picker->setDisplayFormat(DateFormat);
        picker->setCalendarPopup(true);
        control = picker;
        break;
    }
    }
    control->setObjectName(name);
    if (b)
        FieldText::setLimit(control, b->width);
    m_controls.insert(name, control);
    return control;
}

namespace {

// A panel laid out as one grid of four columns (label, field, label,
// field), so that the labels of all its sections line up. Fields are made
// by name, one after the other, so that the tab order follows the layout.
class PanelGrid
{
public:
    using Maker = std::function<QWidget *(const QString &name)>;

    PanelGrid(QWidget *panel, Maker make)
        : m_panel(panel)
        , m_grid(new QGridLayout(panel))
        , m_make(std::move(make))
    {
        m_grid->setContentsMargins(28, 16, 28, 16);
        m_grid->setHorizontalSpacing(6);
        m_grid->setColumnStretch(1, 1);
        m_grid->setColumnStretch(3, 1);
    }

    // A line across the whole width.
    void line(QWidget *widget, int stretch = 0)
    {
        m_grid->addWidget(widget, m_row, 0, 1, 4);
        m_grid->setRowStretch(m_row++, stretch);
    }
    // A labelled field over the whole width.
    void field(const QString &label, const QString &name)
    {
        QWidget *control = m_make(name);
        addLabelled(m_grid, m_row++, 0, labelFor(label, control, m_panel), control, 3);
    }
    // One or two labelled fields side by side.
    void fields(const QString &leftLabel, const QString &left, const QString &rightLabel = QString(),
        const QString &right = QString())
    {
        QWidget *control = m_make(left);
        addLabelled(m_grid, m_row, 0, labelFor(leftLabel, control, m_panel), control);
        if (!right.isEmpty()) {
            control = m_make(right);
            addLabelled(m_grid, m_row, 2, labelFor(rightLabel, control, m_panel), control);
        }
        ++m_row;
    }
    // A bold caption with the field it names on the next line.
    void captioned(const QString &caption, const QString &name, int stretch = 0)
    {
        QLabel *label = section(caption, m_panel);
        QWidget *control = m_make(name);
        label->setBuddy(control);
        line(label);
        line(control, stretch);
    }
    void stretch() { m_grid->setRowStretch(m_row++, 1); }

private:
    QWidget *m_panel;
    QGridLayout *m_grid;
    Maker m_make;
    int m_row = 0;
};

QWidget *makePanel(const QString &name, QSize size)
{
    auto *panel = new QFrame;
    panel->setObjectName(name);
    panel->setFixedSize(size);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    return panel;
}

} // namespace

QWidget *ReportPages::buildRequestPanel()
{
    QWidget *panel = makePanel(QStringLiteral("Panel1"), RequestPanelSize);
    PanelGrid grid(panel, [this, panel](const QString &name) { return make(name, panel); });
    grid.line(title(QStringLiteral("房屋安全鉴定申请"), panel));
    grid.line(section(QStringLiteral("一、委托单位/个人情况"), panel));
    grid.field(QStringLiteral("委 托 人:"), QStringLiteral("labedtClient1"));
    grid.fields(QStringLiteral("委托日期:"), QStringLiteral("dtpickTrustDate1"), QStringLiteral("联 系 人:"),
        QStringLiteral("labedtLinkMan"));
    grid.fields(QStringLiteral("联系电话:"), QStringLiteral("labedtLinkPhone1"));
    grid.line(section(QStringLiteral("二、房屋情况"), panel));
    grid.field(QStringLiteral("房屋地址:"), QStringLiteral("labedtAddress1"));
    grid.field(QStringLiteral("产 权 人:"), QStringLiteral("labedtPropertyRightMan1"));
    grid.fields(QStringLiteral("产权证编号:"), QStringLiteral("labedtPropertyRightCertificate1"));
    grid.captioned(QStringLiteral("三、房屋安全鉴定目的:"), QStringLiteral("labedtApprPurpose1"));
    grid.stretch();
    return panel;
}

QWidget *ReportPages::buildReportPanel()
{
    QWidget *panel = makePanel(QStringLiteral("Panel2"), ReportPanelSize);
    PanelGrid grid(panel, [this, panel](const QString &name) { return make(name, panel); });
    grid.line(title(QStringLiteral("房屋安全鉴定报告"), panel));
    auto *numberRow = new QWidget(panel);
    auto *number = new QHBoxLayout(numberRow);
    number->setContentsMargins(0, 0, 0, 0);
    number->addStretch(1);
    QWidget *fileNo = make(QStringLiteral("labedtFileNo"), numberRow);
    fileNo->setFixedWidth(170);
    number->addWidget(labelFor(QStringLiteral("编号:"), fileNo, numberRow));
    number->addWidget(fileNo);
    grid.line(numberRow);

    grid.line(section(QStringLiteral("一、委托单位/个人情况"), panel));
    grid.field(QStringLiteral("委 托 人:"), QStringLiteral("labedtClient2"));
    grid.fields(QStringLiteral("委托日期:"), QStringLiteral("labedtTrustDate2"), QStringLiteral("电话:"),
        QStringLiteral("labedtLinkPhone2"));

    grid.line(section(QStringLiteral("二、房屋情况"), panel));
    grid.field(QStringLiteral("房屋地址:"), QStringLiteral("labedtAddress2"));
    grid.fields(QStringLiteral("产权人:"), QStringLiteral("labedtPropertyRightMan2"),
        QStringLiteral("产权证编号:"), QStringLiteral("labedtPropertyRightCertificate2"));
    grid.fields(QStringLiteral("房屋用途:"), QStringLiteral("cbbBldgPurpose"), QStringLiteral("建造年份:"),
        QStringLiteral("labedtBuildYear"));
    grid.fields(QStringLiteral("结构类型:"), QStringLiteral("cbbStrucStyle"), QStringLiteral("平面形式:"),
        QStringLiteral("cbbPlaneShape"));
    grid.fields(QStringLiteral("层    数:"), QStringLiteral("labedtLayers"), QStringLiteral("产权性质:"),
        QStringLiteral("cbbPropertyRightAttr"));

    auto *areas = new QGroupBox(QStringLiteral("建筑面积"), panel);
    auto *areaGrid = new QGridLayout(areas);
    const std::pair<const char *, const char *> areaFields[] = {
        { "labedtBuildAreaHowff", "住宅:" },
        { "labedtBuildAreaTrade", "商业:" },
        { "labedtBuildAreaGarage", "车库:" },
        { "labedtBuildAreaFactory", "车间或厂房:" },
        { "labedtBuildAreaOther", "其它:" },
        { "labedtSum", "合计:" },
    };
    int index = 0;
    for (const auto &[name, text] : areaFields) {
        QWidget *control = make(QString::fromLatin1(name), areas);
        addLabelled(
            areaGrid, index / 3, 2 * (index % 3), labelFor(QString::fromUtf8(text), control, areas), control);
        ++index;
    }
    for (int column : { 1, 3, 5 })
        areaGrid->setColumnStretch(column, 1);
    grid.line(areas);
    grid.field(QStringLiteral("备注:"), QStringLiteral("labedtMemory"));

    grid.captioned(QStringLiteral("三、房屋安全鉴定目的:"), QStringLiteral("labedtApprPurpose2"));
    grid.captioned(QStringLiteral("四、鉴定情况:"), QStringLiteral("memApprCircs"), 4);
    grid.captioned(QStringLiteral("五、损坏原因:"), QStringLiteral("memShatterReason"), 2);
    grid.captioned(QStringLiteral("六、鉴定结论:"), QStringLiteral("memApprConclusion"), 2);
    grid.captioned(QStringLiteral("七、处理建议:"), QStringLiteral("memDisposalAdvi"), 2);
    grid.captioned(QStringLiteral("八、检测鉴定人员:"), QStringLiteral("labedtAppraiser1"));

    grid.line(section(QStringLiteral("九、鉴定单位技术负责人签章"), panel));
    grid.fields(QStringLiteral("鉴定人:"), QStringLiteral("labedtAppraiser"), QStringLiteral("审核人:"),
        QStringLiteral("labedtAssessor"));
    grid.fields(QStringLiteral("审定人:"), QStringLiteral("labedtAuthorizedMan"));
    grid.fields(QStringLiteral("鉴定单位:"), QStringLiteral("labedtApprUnit"), QStringLiteral("鉴定日期:"),
        QStringLiteral("dtpickApprDate"));
    return panel;
}
