#include "editor/searchsheet.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

// The items of RadioGroup1 with the column each one searches.
const std::pair<const char *, const char *> Fields[] = {
    { "文号", "FileNo" },
    { "房屋地址", "Address" },
    { "产权人", "PropertyRightMan" },
    { "委托人", "Client" },
};

} // namespace

SearchSheet::SearchSheet(QWidget *parent)
    : QWidget(parent)
{
    auto *top = new QWidget;
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(4, 4, 4, 4);

    auto *group = new QGroupBox(QStringLiteral("查找项目"), top);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto *groupLayout = new QVBoxLayout(group);
    m_fields = new QButtonGroup(group);
    int id = 0;
    for (const auto &[text, column] : Fields) {
        auto *item = new QRadioButton(QString::fromUtf8(text), group);
        item->setObjectName(QStringLiteral("RadioGroup1_%1").arg(id));
        m_fields->addButton(item, id++);
        groupLayout->addWidget(item);
    }
    m_fields->button(0)->setChecked(true);
    topLayout->addWidget(group);

    m_term = new QComboBox(top);
    m_term->setObjectName(QStringLiteral("ComboBoxEx1"));
    m_term->setEditable(true);
    m_term->setInsertPolicy(QComboBox::NoInsert);
    m_term->addItems({ QString(), QString() });
    topLayout->addWidget(m_term);

    m_search = new QPushButton(QStringLiteral("查询"), top);
    m_search->setObjectName(QStringLiteral("BitBtn1"));
    connect(m_search, &QPushButton::clicked, this, &SearchSheet::searchRequested);
    topLayout->addWidget(m_search);

    // The search runs at once on the user-interface thread: a small bar
    // shows that it is under way.
    m_busy = new QProgressBar(top);
    m_busy->setObjectName(QStringLiteral("Animate1"));
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setMaximumHeight(8);
    QSizePolicy keepPlace = m_busy->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_busy->setSizePolicy(keepPlace);
    m_busy->hide();
    topLayout->addWidget(m_busy);
    topLayout->addStretch(1);

    m_memo = new QPlainTextEdit;
    m_memo->setObjectName(QStringLiteral("Memo2"));

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(top);
    splitter->addWidget(m_memo);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

QString SearchSheet::column() const
{
    const int item = m_fields->checkedId();
    if (item < 0 || item >= int(std::size(Fields)))
        return QStringLiteral("Address");
    return QString::fromLatin1(Fields[item].second);
}

QString SearchSheet::term() const
{
    return m_term->currentText();
}

void SearchSheet::setBusy(bool busy)
{
    m_busy->setVisible(busy);
    if (busy)
        m_busy->repaint();
}
