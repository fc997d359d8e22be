#include "editor/componenttable.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int Columns = 7;
}

ComponentTablePage::ComponentTablePage(QWidget *parent)
    : QWidget(parent)
{
    m_grid = new QTableWidget(0, Columns, this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_resultMemo = new QPlainTextEdit(this);
    m_resultMemo->setObjectName(QStringLiteral("Memo1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_resultMemo);
    SetComponentGridHeaders();
}

void ComponentTablePage::setCalculateCommand(QAction *) { }

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
    m_grid->setHorizontalHeaderLabels(
        { "部位编号", "房屋组成部份", "构件名称", "构件结构", "构件总数", "危险构件数", "对应条文" });
}

void ComponentTablePage::ResetComponentGrid()
{
    QList<ComponentRow> empty(10);
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
    m_grid->setRowCount(int(shown.size()));
    for (int r = 0; r < shown.size(); ++r)
        for (int c = 0; c < Columns; ++c)
            setCell(c, r + 1, shown.at(r)[c]);
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
    m_grid->setRowCount(qMax(0, count - 1));
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
}
