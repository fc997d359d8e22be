#include "tools/arrangechildwin.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &name, const QString &text, QStyle::StandardPixmap icon, QWidget *parent)
{
    auto *b = new QPushButton(parent->style()->standardIcon(icon), text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

TfrmArrangeChildWin::TfrmArrangeChildWin(const Commands &commands, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    for (std::size_t i = 0; i < commands.size(); ++i)
        m_commands[i] = commands[i];

    setObjectName(QStringLiteral("frmArrangeChildWin"));
    setWindowTitle(QStringLiteral("重排窗口"));
    setFont(QFont(QStringLiteral("宋体"), 9));
    setFixedSize(235, 153);

    auto *group = new QGroupBox(QStringLiteral("排列方式"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    group->setGeometry(8, 8, 129, 137);
    auto *layout = new QVBoxLayout(group);
    m_items = new QButtonGroup(this);
    const char *const items[] = { "平铺", "水平并排", "垂直并排", "层叠" };
    for (int i = 0; i < 4; ++i) {
        auto *item = new QRadioButton(QString::fromUtf8(items[i]), group);
        // As wide as its text: a click beside the text selects nothing.
        layout->addWidget(item, 0, Qt::AlignLeft);
        m_items->addButton(item, i);
    }
    m_items->button(0)->setChecked(true);

    QPushButton *ok
        = button(QStringLiteral("BitBtn1"), QStringLiteral("确定"), QStyle::SP_DialogOkButton, this);
    ok->setGeometry(148, 16, 79, 25);
    QPushButton *cancel
        = button(QStringLiteral("BitBtn2"), QStringLiteral("取消"), QStyle::SP_DialogCancelButton, this);
    cancel->setGeometry(148, 48, 79, 25);
    QPushButton *apply
        = button(QStringLiteral("BitBtn3"), QStringLiteral("应用"), QStyle::SP_DialogApplyButton, this);
    apply->setGeometry(148, 112, 79, 25);

    connect(ok, &QPushButton::clicked, this, [this] {
        ApplyArrangement();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &TfrmArrangeChildWin::ApplyArrangement);
}

void TfrmArrangeChildWin::ApplyArrangement()
{
    const int item = m_items->checkedId();
    if (item < 0 || item >= int(m_commands.size()) || !m_commands[std::size_t(item)])
        return;
    m_commands[std::size_t(item)]->trigger();
}

void TfrmArrangeChildWin::keyPressEvent(QKeyEvent *event)
{
    // Neither Enter nor Esc answers the dialog; only its buttons and its
    // close box do.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
