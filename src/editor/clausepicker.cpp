#include "editor/clausepicker.h"

#include "base/processstate.h"
#include "base/programfolders.h"
#include "db/connection.h"
#include "editor/markdelegate.h"
#include "grade/storeygrade.h"
#include "widgets/updatessuspended.h"

#include <QDir>
#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString NumberHeader = QStringLiteral("序号");
const QString ClauseStatement
    = QStringLiteral("select * from ApprStandar where Part like :MainFileNo and Struct like :MainFileNo1");

ClauseChoices fixedList(const QString &header, const QStringList &words)
{
    ClauseChoices choices;
    choices.hasColumns = true;
    choices.textHeader = header;
    choices.numberWidth = 40;
    choices.textWidth = 100;
    for (int i = 0; i < words.size(); ++i)
        choices.entries.append({ QString::number(i + 1), words.at(i) });
    return choices;
}

// Basement storeys the level list offers.
constexpr int OfferedBasements = 3;
constexpr int MostStoreys = 99;

QStringList levelWords(int storeys)
{
    QStringList words { Level::foundation().text() };
    for (int storey = 1; storey <= storeys; ++storey)
        words.append(Level::storey(storey).text());
    for (int basement = 1; basement <= OfferedBasements; ++basement)
        words.append(Level::storey(-basement).text());
    return words;
}

QStringList kindWords()
{
    QStringList words;
    for (const StoreyComponentKind &kind : StoreyComponentKinds())
        words.append(kind.name.toString());
    return words;
}

} // namespace

namespace ClauseLibrary {

QString path()
{
    return ProgramFolders::clauseLibrary(Process.AppDir, ProgramFolders::sharedDataDir(Process.ShareDir));
}

ClauseChoices fixedChoices(int column, AppraisalStandard standard, int storeys)
{
    const bool byLevels = standard == AppraisalStandard::Jgj125_2016;
    switch (column) {
    case 1:
        if (byLevels)
            return fixedList(QStringLiteral("楼层"), levelWords(storeys));
        return fixedList(QStringLiteral("房屋组成部分"), { "地基基础", "承重结构", "围护结构" });
    case 2:
        if (byLevels)
            return fixedList(QStringLiteral("构件名称"), kindWords());
        return fixedList(QStringLiteral("构件名称"),
            { "地基", "基础", "柱", "墙段", "主梁", "屋架", "次梁", "板", "围护构件" });
    case 3:
        return fixedList(
            QStringLiteral("构件结构"), { "地基", "基础", "砌体", "混凝土", "木结构", "钢结构", "简易结构" });
    default:
        return {};
    }
}

int storeyCount(const QString &layers)
{
    qsizetype digits = 0;
    while (digits < layers.size() && layers.at(digits) >= u'0' && layers.at(digits) <= u'9')
        ++digits;
    const int count
        = digits > 0 && digits <= 2 ? layers.left(digits).toInt() : (digits > 2 ? MostStoreys : 0);
    return qBound(1, count, MostStoreys);
}

QString clausePart(const ComponentRow &row, AppraisalStandard standard)
{
    if (standard == AppraisalStandard::Jgj125_99)
        return row[ComponentColumn::Part];
    const QString &level = row[ComponentColumn::Part];
    return level == Level::foundation().text() ? level : row[ComponentColumn::Name];
}

ClauseChoices noClauses()
{
    ClauseChoices choices;
    choices.hasColumns = true;
    choices.textHeader = QStringLiteral("条文");
    choices.numberWidth = 60;
    choices.textWidth = 1000;
    return choices;
}

ClauseChoices clausesFor(const QString &part, const QString &structure)
{
    ClauseChoices choices = noClauses();
    Connection library;
    library.open(path(), { QStringLiteral("ApprStandar") }, Connection::Access::ReadOnly);
    QSqlQuery query = library.run(ClauseStatement,
        { { QStringLiteral("MainFileNo"), part }, { QStringLiteral("MainFileNo1"), structure } });
    const int number = query.record().indexOf(QStringLiteral("No"));
    const int text = query.record().indexOf(QStringLiteral("FileItem"));
    while (query.next())
        choices.entries.append({ query.value(number).toString(), query.value(text).toString() });
    return choices;
}

} // namespace ClauseLibrary

ClauseChoiceList::ClauseChoiceList(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView2"));
    setRootIsDecorated(false);
    setIndentation(0);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setItemDelegate(new MarkDelegate(
        [this](const QModelIndex &index) {
            return m_markSource && index.siblingAtColumn(0).data().toString() == m_markSource();
        },
        this));
    clearChoices();
}

void ClauseChoiceList::clearChoices()
{
    clear();
    setColumnCount(0);
    setHeaderHidden(true);
}

void ClauseChoiceList::showChoices(const ClauseChoices &choices)
{
    UpdatesSuspended bracket(this);
    clearChoices();
    if (!choices.hasColumns)
        return;
    setColumnCount(2);
    setHeaderLabels({ NumberHeader, choices.textHeader });
    setHeaderHidden(false);
    setColumnWidth(0, choices.numberWidth);
    setColumnWidth(1, choices.textWidth);
    QList<QTreeWidgetItem *> items;
    items.reserve(choices.entries.size());
    for (const ClauseChoice &entry : choices.entries)
        items.append(new QTreeWidgetItem({ entry.number, entry.text }));
    addTopLevelItems(items);
    if (!items.isEmpty())
        scrollToItem(items.last());
}

void ClauseChoiceList::setMarkSource(std::function<QString()> source)
{
    m_markSource = std::move(source);
    viewport()->update();
}
