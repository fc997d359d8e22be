#include "editor/componenttable.h"

#include "base/apperror.h"
#include "base/errorreport.h"
#include "editor/clausepicker.h"
#include "editor/componentgrid.h"
#include "widgets/updatessuspended.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int Columns = int(std::tuple_size_v<ComponentRow>);
constexpr int ResetLineCount = 10;
constexpr int ChoiceListWidth = 200;
// The standards the page offers, in the order of its list.
constexpr AppraisalStandard Standards[] = { AppraisalStandard::Jgj125_2016, AppraisalStandard::Jgj125_99 };

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return label;
}

} // namespace

ComponentTablePage::ComponentTablePage(QWidget *parent)
    : QWidget(parent)
{
    auto *title = heading(QStringLiteral("危险性等级计算表"), this);
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);

    m_standardChoice = new QComboBox(this);
    m_standardChoice->setObjectName(QStringLiteral("cbbGradeStandard"));
    for (AppraisalStandard standard : Standards)
        m_standardChoice->addItem(StandardName(standard), int(standard));
    m_standardChoice->setCurrentIndex(m_standardChoice->findData(int(AppraisalStandard::Jgj125_99)));
    auto *standardLabel = new QLabel(QStringLiteral("鉴定标准:"), this);
    standardLabel->setBuddy(m_standardChoice);
    m_groundDangerous = new QCheckBox(QStringLiteral("地基处于危险状态"), this);
    m_groundDangerous->setObjectName(QStringLiteral("chkGroundDangerous"));
    auto *standardBar = new QHBoxLayout;
    standardBar->addWidget(standardLabel);
    standardBar->addWidget(m_standardChoice);
    standardBar->addSpacing(12);
    standardBar->addWidget(m_groundDangerous);
    standardBar->addStretch(1);

    m_grid = new ComponentGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *choicePanel = new QWidget(this);
    m_choices = new ClauseChoiceList(choicePanel);
    m_choices->setMarkSource([this] { return cell(currentColumn(), currentRow()); });
    auto *choiceLayout = new QVBoxLayout(choicePanel);
    choiceLayout->setContentsMargins(0, 0, 0, 0);
    choiceLayout->setSpacing(0);
    choiceLayout->addWidget(heading(QStringLiteral(" 请选择"), choicePanel));
    choiceLayout->addWidget(m_choices, 1);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_grid);
    splitter->addWidget(choicePanel);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({ 4 * ChoiceListWidth, ChoiceListWidth });

    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("PopupMenu2"));
    auto *buttonBar = new QHBoxLayout;
    const auto command = [&](const char *name, const QString &caption, void (ComponentTablePage::*slot)()) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        m_popupMenu->addAction(action);
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("btn") + action->objectName().mid(4));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        // A button never takes the keyboard focus away from the table.
        button->setFocusPolicy(Qt::NoFocus);
        buttonBar->addWidget(button);
    };
    command("actnDangerGradeAdd", QStringLiteral("增加"), &ComponentTablePage::addRow);
    command("actnDangerGradeInsert", QStringLiteral("插入"), &ComponentTablePage::insertRow);
    command("actnDangerGradeDel", QStringLiteral("删除"), &ComponentTablePage::deleteRow);
    m_calculateButton = new QToolButton(this);
    m_calculateButton->setObjectName(QStringLiteral("btnRecordCalcu"));
    m_calculateButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_calculateButton->setFocusPolicy(Qt::NoFocus);
    m_calculateButton->hide();
    buttonBar->addWidget(m_calculateButton);
    buttonBar->addStretch(1);

    m_resultMemo = new QPlainTextEdit(this);
    m_resultMemo->setObjectName(QStringLiteral("Memo1"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(standardBar);
    layout->addWidget(splitter, 3);
    layout->addLayout(buttonBar);
    layout->addWidget(heading(QStringLiteral("  计算结算"), this));
    layout->addWidget(m_resultMemo, 1);

    connect(m_grid, &ComponentGrid::entered, this, [this] {
        emit edited();
        ShowClauseChoices();
    });
    connect(m_grid, &ComponentGrid::touched, this, &ComponentTablePage::followCurrentCell);
    connect(m_grid, &ComponentGrid::clickHandled, this, &ComponentTablePage::ShowClauseChoices);
    connect(m_grid, &ComponentGrid::cellTyped, this, &ComponentTablePage::edited);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { m_popupMenu->popup(m_grid->viewport()->mapToGlobal(pos)); });
    connect(m_choices, &QTreeWidget::itemClicked, this, &ComponentTablePage::choose);
    connect(m_standardChoice, &QComboBox::activated, this, &ComponentTablePage::standardChosen);
    connect(m_groundDangerous, &QCheckBox::clicked, this, &ComponentTablePage::edited);

    applyStandard();
}

ReportStandard ComponentTablePage::standard() const
{
    return { AppraisalStandard(m_standardChoice->currentData().toInt()),
        m_groundDangerous->isChecked() ? GroundState::Dangerous : GroundState::NotDangerous };
}

void ComponentTablePage::showStandard(const ReportStandard &standard)
{
    m_standardChoice->setCurrentIndex(m_standardChoice->findData(int(standard.standard)));
    m_groundDangerous->setChecked(standard.ground == GroundState::Dangerous);
    applyStandard();
}

// The level list follows the report's 层数, which is edited on another page.
void ComponentTablePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ShowClauseChoices();
}

void ComponentTablePage::setLayersSource(std::function<QString()> source)
{
    m_layersSource = std::move(source);
}

void ComponentTablePage::standardChosen()
{
    applyStandard();
    emit edited();
}

void ComponentTablePage::applyStandard()
{
    // The ground stage belongs to JGJ 125-2016; its judgement is kept while
    // another standard is shown.
    m_groundDangerous->setVisible(standard().standard == AppraisalStandard::Jgj125_2016);
    SetComponentGridHeaders();
    ShowClauseChoices();
}

void ComponentTablePage::setCalculateCommand(QAction *command)
{
    if (m_calculateCommand) {
        m_popupMenu->removeAction(m_calculateCommand);
    } else if (command) {
        m_popupMenu->addSeparator();
    }
    m_calculateCommand = command;
    if (command)
        m_popupMenu->addAction(command);
    m_calculateButton->setDefaultAction(command);
    m_calculateButton->setVisible(command != nullptr);
}

QTableWidget *ComponentTablePage::grid() const
{
    return m_grid;
}

QPlainTextEdit *ComponentTablePage::resultMemo() const
{
    return m_resultMemo;
}

void ComponentTablePage::SetComponentGridHeaders()
{
    QStringList headers = ComponentRows::headers();
    if (standard().standard == AppraisalStandard::Jgj125_2016)
        headers[ComponentColumn::Part] = QStringLiteral("楼层");
    m_grid->setHorizontalHeaderLabels(headers);
}

void ComponentTablePage::ResetComponentGrid()
{
    QList<ComponentRow> empty(ResetLineCount);
    for (int i = 0; i < empty.size(); ++i)
        empty[i][ComponentColumn::Number] = QString::number(i + 1);
    showRows(empty);
}

void ComponentTablePage::showRows(const QList<ComponentRow> &rows)
{
    QList<ComponentRow> shown = rows;
    if (shown.isEmpty()) {
        shown.append(ComponentRow {});
        shown[0][ComponentColumn::Number] = QStringLiteral("1");
    }
    m_grid->finishEditing();
    m_grid->setRowCount(0);
    m_grid->setRowCount(int(shown.size()));
    for (int r = 0; r < shown.size(); ++r)
        for (int c = 0; c < Columns; ++c)
            setCell(c, r + 1, shown.at(r)[c]);
    m_grid->setCurrentCell(0, ComponentColumn::Part);
    ShowClauseChoices();
}

QList<ComponentRow> ComponentTablePage::rows() const
{
    QList<ComponentRow> result;
    for (int r = 1; r <= m_grid->rowCount(); ++r) {
        ComponentRow row;
        for (int c = 0; c < Columns; ++c)
            row[c] = cell(c, r);
        result.append(row);
    }
    return result;
}

int ComponentTablePage::rowCountWithHeader() const
{
    return m_grid->rowCount() + 1;
}

void ComponentTablePage::setRowCountWithHeader(int count)
{
    m_grid->finishEditing();
    m_grid->setRowCount(qMax(0, count - 1));
    if (m_grid->rowCount() > 0 && currentRow() < 1)
        m_grid->setCurrentCell(0, ComponentColumn::Part);
    redrawChoices();
}

QString ComponentTablePage::cell(int column, int row) const
{
    const QTableWidgetItem *item = m_grid->item(row - 1, column);
    return item ? item->text() : QString();
}

void ComponentTablePage::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= Columns || row < 1 || row > m_grid->rowCount())
        return;
    if (QTableWidgetItem *item = m_grid->item(row - 1, column))
        item->setText(text);
    else
        m_grid->setItem(row - 1, column, new QTableWidgetItem(text));
    redrawChoices();
}

ComponentTablePage::ChoicesKey ComponentTablePage::currentKey() const
{
    const int row = currentRow();
    ComponentRow cells;
    cells[ComponentColumn::Part] = cell(ComponentColumn::Part, row);
    cells[ComponentColumn::Name] = cell(ComponentColumn::Name, row);
    return { row, currentColumn(), ClauseLibrary::clausePart(cells, standard().standard),
        cell(ComponentColumn::Structure, row) };
}

void ComponentTablePage::followCurrentCell()
{
    if (currentKey() == m_choicesKey)
        redrawChoices();
    else
        ShowClauseChoices();
}

void ComponentTablePage::ShowClauseChoices()
{
    UpdatesSuspended bracket(m_choices);
    m_choicesKey = currentKey();
    if (m_choicesKey.column != ComponentColumn::Clause) {
        const int storeys = ClauseLibrary::storeyCount(m_layersSource ? m_layersSource() : QString());
        m_choices->showChoices(
            ClauseLibrary::fixedChoices(m_choicesKey.column, standard().standard, storeys));
        return;
    }
    ClauseChoices clauses;
    try {
        clauses = ClauseLibrary::clausesFor(m_choicesKey.part, m_choicesKey.structure);
    } catch (const AppError &e) {
        m_choices->showChoices(ClauseLibrary::noClauses());
        reportLibraryFailure(e.message());
        return;
    }
    m_reportedFailure.clear();
    m_choices->showChoices(clauses);
}

void ComponentTablePage::reportLibraryFailure(const QString &message)
{
    // The list is rebuilt on every click in the clause column and whenever
    // the keys move to another cell: telling the same failure again each
    // time would bury the user in message boxes.
    if (message == m_reportedFailure)
        return;
    m_reportedFailure = message;
    // Shown once the key, click or focus change that asked for the list is
    // finished, so that the message box never cuts into the table's own
    // handling of it.
    QMetaObject::invokeMethod(
        this, [message] { showGeneralError(message); }, Qt::QueuedConnection);
}

void ComponentTablePage::redrawChoices()
{
    m_choices->viewport()->update();
}

void ComponentTablePage::choose()
{
    const QTreeWidgetItem *entry = m_choices->currentItem();
    const int row = currentRow();
    const int column = currentColumn();
    if (!entry || !entry->isSelected() || row < 1 || column < 1)
        return;
    if (column != m_choicesKey.column) {
        // The list was made for another column: offer the right one instead
        // of putting a word where it does not belong.
        ShowClauseChoices();
        return;
    }
    setCell(column, row, column == ComponentColumn::Clause ? entry->text(0) : entry->text(1));
    redrawChoices();
}

int ComponentTablePage::currentRow() const
{
    return m_grid->currentRow() + 1;
}

int ComponentTablePage::currentColumn() const
{
    return m_grid->currentIndex().isValid() ? m_grid->currentColumn() : -1;
}

void ComponentTablePage::moveTo(int row)
{
    const int column = currentColumn() >= ComponentColumn::Part ? currentColumn() : ComponentColumn::Part;
    m_grid->setCurrentCell(row - 1, column);
}

void ComponentTablePage::renumber()
{
    for (int r = 1; r <= m_grid->rowCount(); ++r)
        setCell(ComponentColumn::Number, r, QString::number(r));
}

void ComponentTablePage::addRow()
{
    m_grid->finishEditing();
    const int row = m_grid->rowCount() + 1;
    m_grid->insertRow(row - 1);
    renumber();
    moveTo(row);
    ShowClauseChoices();
}

void ComponentTablePage::insertRow()
{
    m_grid->finishEditing();
    const int row = qMax(1, currentRow());
    m_grid->insertRow(row - 1);
    renumber();
    moveTo(row);
    ShowClauseChoices();
}

void ComponentTablePage::deleteRow()
{
    m_grid->finishEditing();
    if (m_grid->rowCount() == 0)
        return;
    const int row = qMax(1, currentRow());
    m_grid->removeRow(row - 1);
    renumber();
    if (m_grid->rowCount() > 0)
        moveTo(qMin(row, m_grid->rowCount()));
    ShowClauseChoices();
}
