#include "editor/reportpages.h"

#include "db/reportfields.h"
#include "editor/fieldtext.h"
#include "editor/panelscrollbox.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

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

// The control of a bound column, of the kind its column needs, limited to
// the column's width.
QWidget *ReportPages::make(const QString &name, QWidget *parent)
{
    const Binding *b = bindingOfControl(name);
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
        auto *picker = new QDateTimeEdit(QDateTime::currentDateTime(), parent);
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

QLineEdit *ReportPages::makeMirror(const QString &name, const QString &of, QWidget *parent)
{
    auto *mirror = new QLineEdit(parent);
    mirror->setObjectName(name);
    showAsInfo(mirror);
    mirror->setFocusPolicy(Qt::NoFocus);
    if (const Binding *b = bindingOfControl(of); b && b->kind != Kind::Date)
        FieldText::setLimit(mirror, b->width);
    m_controls.insert(name, mirror);
    return mirror;
}

QWidget *ReportPages::buildRequestPanel()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedSize(RequestPanelSize);
    panel->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 12, 24, 12);
    layout->addWidget(title(QStringLiteral("房屋安全鉴定申请"), panel));

    layout->addWidget(section(QStringLiteral("一、委托单位/个人情况"), panel));
    auto *client = new QGridLayout;
    client->setColumnStretch(1, 1);
    client->setColumnStretch(3, 1);
    QWidget *clientEdit = make(QStringLiteral("labedtClient1"), panel);
    addLabelled(client, 0, 0, labelFor(QStringLiteral("委 托 人:"), clientEdit, panel), clientEdit, 3);
    QWidget *trustDate = make(QStringLiteral("dtpickTrustDate1"), panel);
    addLabelled(client, 1, 0, labelFor(QStringLiteral("委托日期:"), trustDate, panel), trustDate);
    QWidget *linkMan = make(QStringLiteral("labedtLinkMan"), panel);
    addLabelled(client, 1, 2, labelFor(QStringLiteral("联 系 人:"), linkMan, panel), linkMan);
    QWidget *phone = make(QStringLiteral("labedtLinkPhone1"), panel);
    addLabelled(client, 2, 0, labelFor(QStringLiteral("联系电话:"), phone, panel), phone);
    layout->addLayout(client);

    layout->addWidget(section(QStringLiteral("二、房屋情况"), panel));
    auto *house = new QGridLayout;
    house->setColumnStretch(1, 1);
    QWidget *address = make(QStringLiteral("labedtAddress1"), panel);
    addLabelled(house, 0, 0, labelFor(QStringLiteral("房屋地址:"), address, panel), address);
    QWidget *owner = make(QStringLiteral("labedtPropertyRightMan1"), panel);
    addLabelled(house, 1, 0, labelFor(QStringLiteral("产 权 人:"), owner, panel), owner);
    QWidget *certificate = make(QStringLiteral("labedtPropertyRightCertificate1"), panel);
    addLabelled(house, 2, 0, labelFor(QStringLiteral("产权证编号:"), certificate, panel), certificate);
    layout->addLayout(house);

    auto *purpose = new QGridLayout;
    purpose->setColumnStretch(1, 1);
    QWidget *purposeEdit = make(QStringLiteral("labedtApprPurpose1"), panel);
    QLabel *purposeLabel = labelFor(QStringLiteral("三、房屋安全鉴定目的:"), purposeEdit, panel);
    bold(purposeLabel);
    addLabelled(purpose, 0, 0, purposeLabel, purposeEdit);
    layout->addLayout(purpose);
    layout->addStretch(1);
    return panel;
}

QWidget *ReportPages::buildReportPanel()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedSize(ReportPanelSize);
    panel->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(20, 12, 20, 12);
    layout->addWidget(title(QStringLiteral("房屋安全鉴定报告"), panel));

    auto *number = new QHBoxLayout;
    number->addStretch(1);
    QWidget *fileNo = make(QStringLiteral("labedtFileNo"), panel);
    fileNo->setFixedWidth(170);
    number->addWidget(labelFor(QStringLiteral("编号:"), fileNo, panel));
    number->addWidget(fileNo);
    layout->addLayout(number);

    layout->addWidget(section(QStringLiteral("一、委托单位/个人情况"), panel));
    auto *client = new QGridLayout;
    client->setColumnStretch(1, 1);
    client->setColumnStretch(3, 1);
    QLineEdit *clientMirror
        = makeMirror(QStringLiteral("labedtClient2"), QStringLiteral("labedtClient1"), panel);
    addLabelled(client, 0, 0, labelFor(QStringLiteral("委 托 人:"), clientMirror, panel), clientMirror, 3);
    QLineEdit *dateMirror
        = makeMirror(QStringLiteral("labedtTrustDate2"), QStringLiteral("dtpickTrustDate1"), panel);
    addLabelled(client, 1, 0, labelFor(QStringLiteral("委托日期:"), dateMirror, panel), dateMirror);
    QLineEdit *phoneMirror
        = makeMirror(QStringLiteral("labedtLinkPhone2"), QStringLiteral("labedtLinkPhone1"), panel);
    addLabelled(client, 1, 2, labelFor(QStringLiteral("电话:"), phoneMirror, panel), phoneMirror);
    layout->addLayout(client);

    layout->addWidget(section(QStringLiteral("二、房屋情况"), panel));
    auto *house = new QGridLayout;
    house->setColumnStretch(1, 1);
    house->setColumnStretch(3, 1);
    QLineEdit *addressMirror
        = makeMirror(QStringLiteral("labedtAddress2"), QStringLiteral("labedtAddress1"), panel);
    addLabelled(house, 0, 0, labelFor(QStringLiteral("房屋地址:"), addressMirror, panel), addressMirror, 3);
    QLineEdit *ownerMirror = makeMirror(
        QStringLiteral("labedtPropertyRightMan2"), QStringLiteral("labedtPropertyRightMan1"), panel);
    addLabelled(house, 1, 0, labelFor(QStringLiteral("产权人:"), ownerMirror, panel), ownerMirror);
    QLineEdit *certificateMirror = makeMirror(QStringLiteral("labedtPropertyRightCertificate2"),
        QStringLiteral("labedtPropertyRightCertificate1"), panel);
    addLabelled(
        house, 1, 2, labelFor(QStringLiteral("产权证编号:"), certificateMirror, panel), certificateMirror);
    const std::pair<const char *, const char *> pairs[][2] = {
        { { "cbbBldgPurpose", "房屋用途:" }, { "labedtBuildYear", "建造年份:" } },
        { { "cbbStrucStyle", "结构类型:" }, { "cbbPlaneShape", "平面形式:" } },
        { { "labedtLayers", "层    数:" }, { "cbbPropertyRightAttr", "产权性质:" } },
    };
    int row = 2;
    for (const auto &pair : pairs) {
        for (int i = 0; i < 2; ++i) {
            QWidget *control = make(QString::fromLatin1(pair[i].first), panel);
            addLabelled(
                house, row, 2 * i, labelFor(QString::fromUtf8(pair[i].second), control, panel), control);
        }
        ++row;
    }
    layout->addLayout(house);

    auto *areas = new QGroupBox(QStringLiteral("建筑面积"), panel);
    auto *areaGrid = new QGridLayout(areas);
    const std::pair<const char *, const char *> areaFields[] = {
        { "labedtBuildAreaHowff", "住宅:" },
        { "labedtBuildAreaTrade", "商业:" },
        { "labedtBuildAreaGarage", "车库:" },
        { "labedtBuildAreaFactory", "车间或厂房:" },
        { "labedtBuildAreaOther", "其它:" },
    };
    int index = 0;
    for (const auto &[name, text] : areaFields) {
        QWidget *control = make(QString::fromLatin1(name), areas);
        addLabelled(
            areaGrid, index / 3, 2 * (index % 3), labelFor(QString::fromUtf8(text), control, areas), control);
        ++index;
    }
    m_sum = new QLineEdit(areas);
    m_sum->setObjectName(QStringLiteral("labedtSum"));
    showAsInfo(m_sum);
    m_sum->setFocusPolicy(Qt::NoFocus);
    m_controls.insert(m_sum->objectName(), m_sum);
    addLabelled(areaGrid, 1, 4, labelFor(QStringLiteral("合计:"), m_sum, areas), m_sum);
    layout->addWidget(areas);

    auto *remarks = new QGridLayout;
    remarks->setColumnStretch(1, 1);
    QWidget *memory = make(QStringLiteral("labedtMemory"), panel);
    addLabelled(remarks, 0, 0, labelFor(QStringLiteral("备注:"), memory, panel), memory);
    QLineEdit *purposeMirror
        = makeMirror(QStringLiteral("labedtApprPurpose2"), QStringLiteral("labedtApprPurpose1"), panel);
    QLabel *purposeLabel = labelFor(QStringLiteral("三、房屋安全鉴定目的:"), purposeMirror, panel);
    bold(purposeLabel);
    addLabelled(remarks, 1, 0, purposeLabel, purposeMirror);
    layout->addLayout(remarks);

    const std::tuple<const char *, const char *, int> memos[] = {
        { "memApprCircs", "四、鉴定情况:", 4 },
        { "memShatterReason", "五、损坏原因:", 2 },
        { "memApprConclusion", "六、鉴定结论:", 2 },
        { "memDisposalAdvi", "七、处理建议:", 2 },
    };
    for (const auto &[name, text, stretch] : memos) {
        QLabel *caption = section(QString::fromUtf8(text), panel);
        QWidget *memo = make(QString::fromLatin1(name), panel);
        caption->setBuddy(memo);
        layout->addWidget(caption);
        layout->addWidget(memo, stretch);
    }

    auto *staff = new QGridLayout;
    staff->setColumnStretch(1, 1);
    staff->setColumnStretch(3, 1);
    staff->setColumnStretch(5, 1);
    QWidget *surveyor = make(QStringLiteral("labedtAppraiser1"), panel);
    QLabel *surveyorLabel = labelFor(QStringLiteral("八、检测鉴定人员:"), surveyor, panel);
    bold(surveyorLabel);
    addLabelled(staff, 0, 0, surveyorLabel, surveyor, 5);
    staff->addWidget(section(QStringLiteral("九、鉴定单位技术负责人签章"), panel), 1, 0, 1, 6);
    const std::pair<const char *, const char *> signatures[] = { { "labedtAppraiser", "鉴定人:" },
        { "labedtAssessor", "审核人:" }, { "labedtAuthorizedMan", "审定人:" } };
    index = 0;
    for (const auto &[name, text] : signatures) {
        QWidget *control = make(QString::fromLatin1(name), panel);
        addLabelled(staff, 2, 2 * index++, labelFor(QString::fromUtf8(text), control, panel), control);
    }
    QWidget *unit = make(QStringLiteral("labedtApprUnit"), panel);
    addLabelled(staff, 3, 0, labelFor(QStringLiteral("鉴定单位:"), unit, panel), unit, 3);
    QWidget *apprDate = make(QStringLiteral("dtpickApprDate"), panel);
    addLabelled(staff, 3, 4, labelFor(QStringLiteral("鉴定日期:"), apprDate, panel), apprDate);
    layout->addLayout(staff);
    return panel;
}
