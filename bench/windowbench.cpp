// appraisal-window-bench: how quickly a report window works on a file of
// many reports, measured on a real report window (offscreen is enough).
//
//   appraisal-window-bench --reports N --file PATH [--server URL] [--runs R]
//
// When PATH does not exist it is built first with N reports of realistic
// content (memos of a few hundred characters, ten component rows each, one
// address in ten on 民族大道); an existing PATH is used as it is. Prints one
// line per step, "step<TAB>median_ms":
//   open     a report window created on the file: list filled, first report shown
//   search   an address search matching about a tenth of the reports, list refilled
//   next     the Next command (which stores the report it leaves, as a user's Next does)
//   save200  Save of a report whose component table has 200 rows
// With --server, the same steps on the PostgreSQL database at URL follow in
// the same run, in a second column; a server database without reports is
// first filled with the same N generated reports.

#include "app/documentcommands.h"
#include "base/processstate.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "db/datamodule.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/serverschema.h"
#include "editor/childwin.h"
#include "editor/componenttable.h"
#include "editor/editorstate.h"
#include "editor/searchsheet.h"
#include "output/fontsubstitutes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {

const QString SearchedStreet = QStringLiteral("民族大道");

QString repeatedText(const QString &sentence, int characters)
{
    QString text;
    while (text.size() < characters)
        text += sentence;
    return text.left(characters);
}

// The generated archive: report i has its own number, client, address,
// owner, area and certificate (one address in ten on 民族大道), memos of a
// few hundred characters and ten component rows. Values that differ are
// bound; those every report shares are written in the statement.
const QString ReportColumns = QStringLiteral(
    "FileNo, Client, TrustDate, LinkMan, LinkPhone, Address, PropertyRightMan, BldgPurpose, BuildYear, "
    "StrucStyle, BuildAreaHowff, PlaneShape, Layers, PropertyRightAttr, PropertyRightCertificate, Memory, "
    "ApprPurpose, ApprCircs, ShatterReason0, ApprConclusion, DisposalAdvi, Surveyor, ApprUnit, Appraiser, "
    "Assessor, AuthorizedMan, ApprDate, PageStyle, PageWidth, PageHeight, PageOrientation, TopMargin, "
    "BottomMargin, LeftMargin, RightMargin, FooterMargin, CovOffsetRightSpace, CovOffsetBottomSpace, "
    "CovRowSpace, CovPrnSelAppraisor, CovPrnSelAssessor, CovPrnSelAuthorizedMan, ApprCircsRowCount, "
    "ShatterReasonRowCount, ApprConclusionRowCount, DisposalAdviRowCount, RowMaxCharCount, ClientWidth, "
    "PhoneWidth");
const QString ReportValues = QStringLiteral(
    "(?, ?, '2004-03-07T00:00:00', '李工', '0771-5551234', ?, ?, '住宅', '1985', '混合结构', ?, '矩形', '6', "
    "'私产', ?, '无', '安全鉴定', ?, ?, ?, ?, '赵六', '鉴定站', '甲', '乙', '丙', '2004-04-01T00:00:00', "
    "'A4', "
    "210, 297, 0, 18, 25, 15, 15, 18, 0, 0, 0, 1, 1, 1, 88, 20, 20, 20, 49, 68, 28)");
const QString RowColumns = QStringLiteral("FileNo, PartNumber, BldgConstitute, ComponentName, "
                                          "ComponentStructure, ComponentTotal, DangerComponentNumber, "
                                          "correspondingFileItem");
const QString RowValues = QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?)");
constexpr int RowsPerReport = 10;

class ArchiveGenerator
{
public:
    // Appends the bound values of report i to reportValues and those of its
    // component rows to rowValues.
    void append(int i, QVariantList &reportValues, QVariantList &rowValues) const
    {
        const QString number = QStringLiteral("2004-%1").arg(i + 1, 6, 10, QLatin1Char('0'));
        const QString street = i % 10 == 0 ? SearchedStreet : m_streets.at(i % m_streets.size());
        reportValues << number << QStringLiteral("委托人%1").arg(i)
                     << street + QString::number(i % 500 + 1) + QStringLiteral("号")
                     << QStringLiteral("产权人%1").arg(i) << 50.0 + i % 300
                     << QStringLiteral("邕房权证字第%1号").arg(i) << m_findings << m_causes << m_conclusion
                     << m_advice;
        for (int r = 0; r < RowsPerReport; ++r)
            rowValues << number << QString::number(r + 1) << m_parts.at(r % 3) << m_names.at(r)
                      << QStringLiteral("砌体") << QString::number(12 + r) << QString::number(r % 3)
                      << QStringLiteral("4.3.%1").arg(r % 5 + 1);
    }

private:
    const QStringList m_streets
        = { "园湖路", "东葛路", "友爱路", "星光大道", "江南路", "秀灵路", "北湖路", "明秀路", "衡阳路" };
    const QString m_findings = repeatedText(
        QStringLiteral("该房屋为砖混结构住宅，墙体局部开裂，楼面板有渗水痕迹，屋面防水层老化。"), 400);
    const QString m_causes = repeatedText(QStringLiteral("年久失修，使用荷载增大，地基不均匀沉降。"), 200);
    const QString m_conclusion = repeatedText(QStringLiteral("房屋危险性等级评定为C级，局部危房。"), 150);
    const QString m_advice = repeatedText(QStringLiteral("建议对开裂墙体进行加固处理，定期观察。"), 200);
    const QStringList m_parts = { "地基基础", "承重结构", "围护结构" };
    const QStringList m_names
        = { "地基", "基础", "柱", "墙段", "主梁", "屋架", "次梁", "板", "围护构件", "墙段" };
};

// "insert into table (columns) values (...), (...), ..." with count rows.
QString multiRowInsert(const QString &table, const QString &columns, const QString &values, int count)
{
    return QStringLiteral("insert into %1 (%2) values %3")
        .arg(table, columns, QStringList(count, values).join(QStringLiteral(", ")));
}

// Writes the generated archive into an open database without reports, in
// one transaction, a hundred reports per statement (a server takes them in
// one round trip, a file keeps within its limit of bound values).
void writeArchive(Connection &connection, int reports)
{
    constexpr int ReportsPerStatement = 100;
    const ArchiveGenerator generator;
    connection.transaction([&] {
        for (int start = 0; start < reports; start += ReportsPerStatement) {
            const int count = qMin(reports - start, ReportsPerStatement);
            QVariantList reportValues;
            QVariantList rowValues;
            for (int i = start; i < start + count; ++i)
                generator.append(i, reportValues, rowValues);
            connection.runPositional(
                multiRowInsert(HadFile::ProjectTab, ReportColumns, ReportValues, count), reportValues);
            connection.runPositional(
                multiRowInsert(HadFile::CalcuData, RowColumns, RowValues, count * RowsPerReport), rowValues);
            if ((start + count) % 10000 == 0 || start + count == reports)
                std::fprintf(stderr, "\r  %d", start + count);
        }
    });
    std::fprintf(stderr, "\n");
}

void buildFile(const QString &path, int reports)
{
    std::fprintf(stderr, "building %s with %d reports...\n", qPrintable(path), reports);
    HadFile::createDatabaseFile(path);
    Connection connection;
    HadFile::open(connection, path);
    writeArchive(connection, reports);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Shows the window, lets it draw, and returns once it has.
void showAndDraw(TfrmChildWin *window)
{
    window->resize(1200, 800);
    window->show();
    QApplication::processEvents();
}

// A server database without tables or reports gets the generated archive
// of the given size; one that holds reports is used as it is.
void fillServer(const QString &url, int reports)
{
    {
        Connection connection;
        connection.open(url);
        if (connection.tableColumns(HadFile::ProjectTab).isEmpty()) {
            connection.close();
            ServerSchema::create(url);
        }
    }
    Connection connection;
    HadFile::open(connection, url);
    if (connection.run(QStringLiteral("select FileNo from ProjectTab limit 1")).next())
        return;
    std::fprintf(stderr, "filling %s with %d reports...\n", qPrintable(connection.displayText()), reports);
    writeArchive(connection, reports);
    // What the server's autovacuum does soon after a load this size: the
    // planner's statistics, and the map of pages all can see, without
    // which no search reads an index alone.
    connection.execute(QStringLiteral("vacuum analyze"));
}

// The medians of the four steps on one database, file or server.
struct Figures
{
    double open = 0;
    double search = 0;
    double next = 0;
    double save200 = 0;
};

Figures measure(const QString &location, int runs)
{
    QList<double> open;
    std::unique_ptr<TfrmChildWin> window;
    for (int run = 0; run < runs; ++run) {
        window.reset();
        open << timed([&] {
            EditorProcess.WindowOpening = true;
            window = TfrmChildWin::create(location);
            EditorProcess.WindowOpening = false;
            showAndDraw(window.get());
        });
    }

    // The frame's commands, run on this window.
    QHash<QString, QAction *> actions;
    QObject owner;
    auto *commands = new DocumentCommands({ [&] { return window.get(); }, [](const QString &) {},
                                              [&](const QString &name) {
                                                  QAction *&a = actions[name];
                                                  if (!a)
                                                      a = new QAction(name, &owner);
                                                  return a;
                                              } },
        &owner);

    QList<double> next;
    for (int run = 0; run < qMax(runs, 20); ++run)
        next << timed([&] {
            commands->Next();
            QApplication::processEvents();
        });

    QList<ComponentRow> table;
    for (int r = 0; r < 200; ++r) {
        ComponentRow row;
        row[0] = QString::number(r + 1);
        row[1] = QStringLiteral("承重结构");
        row[2] = QStringLiteral("墙段");
        row[3] = QStringLiteral("砌体");
        row[4] = QString::number(20 + r % 7);
        row[5] = QString::number(r % 4);
        row[6] = QStringLiteral("4.3.2");
        table << row;
    }
    QList<double> save;
    for (int run = 0; run < qMax(runs, 10); ++run) {
        window->componentPage()->showRows(table);
        window->setModified(true);
        save << timed([&] { commands->Save(); });
    }

    QList<double> search;
    int found = 0;
    for (int run = 0; run < runs; ++run) {
        window->setModified(false);
        window->searchSheet()->findChild<QRadioButton *>(QStringLiteral("RadioGroup1_1"))->setChecked(true);
        window->searchSheet()
            ->findChild<QComboBox *>(QStringLiteral("ComboBoxEx1"))
            ->setEditText(SearchedStreet);
        search << timed([&] {
            window->search();
            QApplication::processEvents();
        });
        found = window->ReportQuery().recordCount();
    }

    std::fprintf(stderr,
        "%s: the first open took %.1f ms (on a file it adds the lookup indexes a file lacks); "
        "the address search found %d reports\n",
        qPrintable(location), open.first(), found);
    window.reset();
    return { median(open), median(search), median(next), median(save) };
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FontSubstitutes::install();
    QApplication::setFont(QFont(QStringLiteral("宋体"), 9));

    int reports = 100000;
    int runs = 5;
    QString path;
    QString serverUrl;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == "--reports" && i + 1 < args.size())
            reports = args.at(++i).toInt();
        else if (a == "--file" && i + 1 < args.size())
            path = args.at(++i);
        else if (a == "--server" && i + 1 < args.size())
            serverUrl = args.at(++i);
        else if (a == "--runs" && i + 1 < args.size())
            runs = args.at(++i).toInt();
        else
            path.clear(), i = int(args.size());
    }
    if (path.isEmpty() || reports < 1 || runs < 1) {
        std::fprintf(stderr, "usage: %s --reports N --file PATH [--server URL] [--runs R]\n", argv[0]);
        return 2;
    }
    path = QFileInfo(path).absoluteFilePath();

    QTemporaryDir programFolder;
    Process.AppDir = programFolder.path();
    TFrm_DataModule dataModule;
    try {
        if (!QFileInfo::exists(path))
            buildFile(path, reports);

        const Figures file = measure(path, runs);
        std::optional<Figures> server;
        if (!serverUrl.isEmpty()) {
            fillServer(serverUrl, reports);
            server = measure(serverUrl, runs);
        }
        const auto line = [&](const char *step, double Figures::*figure) {
            if (server)
                std::printf("%s\t%.1f\t%.1f\n", step, file.*figure, *server.*figure);
            else
                std::printf("%s\t%.1f\n", step, file.*figure);
        };
        line("open", &Figures::open);
        line("search", &Figures::search);
        line("next", &Figures::next);
        line("save200", &Figures::save200);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
