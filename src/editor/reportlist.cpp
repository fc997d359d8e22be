#include "editor/reportlist.h"

#include "base/apperror.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "editor/markdelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace {

const QStringList &headers()
{
    static const QStringList texts = { QStringLiteral("编号"), QStringLiteral("地址"),
        QStringLiteral("产权人"), QStringLiteral("委托人") };
    return texts;
}

const QStringList &noCells()
{
    static const QStringList empty(ReportListModel::ColumnCount);
    return empty;
}

} // namespace

ReportListModel::ReportListModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

void ReportListModel::fill(const DataSet &reports)
{
    beginResetModel();
    m_reports = &reports;
    m_count = reports.isOpen() ? reports.recordCount() : 0;
    m_blocks.clear();
    m_typed.clear();
    endResetModel();
}

void ReportListModel::clear()
{
    beginResetModel();
    m_count = 0;
    m_blocks.clear();
    m_typed.clear();
    endResetModel();
}

const QStringList &ReportListModel::storedCells(int entry) const
{
    const int block = entry / BlockSize;
    auto found = m_blocks.constFind(block);
    if (found == m_blocks.cend()) {
        // A lost server connection is left for the user's next action to
        // make again; the list shows what it has read.
        if (!m_reports || !m_reports->isOpen() || m_reports->connection().isLost())
            return noCells();
        QList<QStringList> rows;
        try {
            rows = m_reports->columnTexts(HadFile::ReportListColumns, block * BlockSize, BlockSize);
        } catch (const AppError &) {
            return noCells(); // tried again the next time the entry is shown
        }
        found = m_blocks.insert(block, rows);
    }
    const int offset = entry - block * BlockSize;
    return offset < found->size() ? found->at(offset) : noCells();
}

QString ReportListModel::cellText(int entry, int column) const
{
    if (entry < 0 || entry >= m_count || column < 0 || column >= ColumnCount)
        return QString();
    const auto typed = m_typed.constFind(entry);
    if (typed != m_typed.cend())
        return typed->at(column);
    return storedCells(entry).value(column);
}

void ReportListModel::setCellText(int entry, int column, const QString &text)
{
    if (entry < 0 || entry >= m_count || column < 0 || column >= ColumnCount)
        return;
    auto typed = m_typed.find(entry);
    if (typed == m_typed.end())
        typed = m_typed.insert(entry, storedCells(entry));
    if (typed->size() < ColumnCount)
        typed->resize(ColumnCount);
    (*typed)[column] = text;
    emit dataChanged(index(entry, column), index(entry, column), { Qt::DisplayRole });
}

int ReportListModel::currentEntry() const
{
    if (!m_reports || !m_reports->isOpen())
        return -1;
    return m_reports->recNo() - 1;
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::BackgroundRole:
        return index.row() == currentEntry() ? QVariant(MarkDelegate::Background) : QVariant();
    case Qt::ForegroundRole:
        return index.row() == currentEntry() ? QVariant(MarkDelegate::Text) : QVariant();
    default:
        return QVariant();
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return headers().at(section);
    return QVariant();
}

ReportListView::ReportListView(ReportListModel *model, QWidget *parent)
    : QTreeView(parent)
    , m_model(model)
    , m_popup(new QMenu(this))
{
    setObjectName(QStringLiteral("ListView1"));
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new MarkDelegate(
        [model](const QModelIndex &index) { return index.row() == model->currentEntry(); }, this));
    setModel(model);
    header()->setStretchLastSection(false);
    const int widths[] = { 140, 150, 80, 80 };
    for (int column = 0; column < ReportListModel::ColumnCount; ++column)
        header()->resizeSection(column, widths[column]);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { m_popup->popup(viewport()->mapToGlobal(at)); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && selectedEntry() >= 0)
            emit entryClicked(selectedEntry());
    });
}

int ReportListView::selectedEntry() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ReportListView::selectEntry(int entry)
{
    if (entry < 0 || entry >= m_model->rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(entry, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

void ReportListView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeView::keyReleaseEvent(event);
    if (const int entry = selectedEntry(); entry >= 0)
        emit keyReleasedOnEntry(entry);
}

void ReportListView::paintEvent(QPaintEvent *event)
{
    if (m_beforePaint)
        m_beforePaint();
    QTreeView::paintEvent(event);
}
