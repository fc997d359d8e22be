// appraisal-bench: how fast the database layer handles a large appraisal
// database, measured through the same data module and data set the report
// window uses.
//
//   appraisal-bench [REPORTS]      (default 10000)
//
// 1. A new .had file receives REPORTS reports: AppendReport, the fields a
//    typical report holds (memos of several lines included), post.
// 2. The file is opened as a report window opens it and the report list
//    (FileNo, Address, PropertyRightMan, Client) is read in query order.
// 3. The report query is stepped through with the Next command's MoveNext,
//    reading each row.
// After each step the peak resident memory so far (VmHWM) is shown.

#include "base/apperror.h"
#include "base/processstate.h"
#include "db/connection.h"
#include "db/datamodule.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "output/pagesettingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Peak resident set size of this process in kB, or -1 when unknown.
long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    // Files under /proc claim a size of 0: read until the end instead of testing atEnd.
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

const QStringList Streets = {"越秀区东风中路", "海珠区江南大道中", "荔湾区中山七路",    "天河区天河北路",
                             "白云区机场路",   "黄埔区大沙地东路", "番禺区市桥光明北路"};
const QStringList Structures = {"混合结构", "框架结构", "砖木结构", "钢结构"};

// Fills the fields of report number n as the report window stores them.
void fillReport(DataSet &report, int n)
{
    const QString street = Streets.at(n % Streets.size());
    const QDate trusted = QDate(2004, 1, 5).addDays(n % 350);
    report.setString("FileNo", QStringLiteral("2004-%1").arg(n, 5, 10, QLatin1Char('0')));
    report.setString("Client", QStringLiteral("委托人%1").arg(n));
    report.setDate("TrustDate", trusted);
    report.setString("LinkMan", QStringLiteral("联系人%1").arg(n % 100));
    report.setString("LinkPhone", QStringLiteral("020-8%1").arg(n % 10000000, 7, 10, QLatin1Char('0')));
    report.setString("Address", QStringLiteral("广州市%1%2号").arg(street).arg(n % 500 + 1));
    report.setString("PropertyRightMan", QStringLiteral("产权人%1").arg(n));
    report.setString("BldgPurpose", QStringLiteral("住宅"));
    report.setString("BuildYear", QStringLiteral("%1年").arg(1950 + n % 55));
    report.setString("StrucStyle", Structures.at(n % Structures.size()));
    report.setFloatFromText("BuildAreaHowff", QString::number(60 + n % 400) + QStringLiteral(".5"));
    report.setFloatFromText("BuildAreaTrade", QString());
    report.setString("PlaneShape", QStringLiteral("矩形"));
    report.setString("Layers", QString::number(1 + n % 8));
    report.setString("PropertyRightAttr", QStringLiteral("私产"));
    report.setString("PropertyRightCertificate",
                     QStringLiteral("穗房权证字第%1号").arg(n, 7, 10, QLatin1Char('0')));
    report.setString("Memory", QString());
    report.setString("ApprPurpose", QStringLiteral("房屋安全鉴定"));
    report.setString("ApprCircs", QStringLiteral("该房屋为%1，建筑面积约%2平方米。\r\n"
                                                 "经现场查勘，地基基础未见明显不均匀沉降。\r\n"
                                                 "部分墙体有竖向裂缝，最大缝宽约1.5mm，楼板局部渗水。\r\n"
                                                 "屋面防水层老化，局部渗漏。")
                                      .arg(Structures.at(n % Structures.size()))
                                      .arg(60 + n % 400));
    report.setString("ShatterReason0", QStringLiteral("1、房屋使用年限较长，材料老化。\r\n"
                                                      "2、防水层失效，长期渗漏。"));
    report.setString("ApprConclusion", QStringLiteral("经综合评定，该房屋危险性等级为B级。"));
    report.setString("DisposalAdvi", QStringLiteral("1、开裂墙体灌浆修补。\r\n2、重做屋面防水。"));
    report.setString("Surveyor", QStringLiteral("陈志明、李伟"));
    report.setString("ApprUnit", QStringLiteral("广州市城安房屋安全鉴定所"));
    report.setString("Appraiser", QStringLiteral("陈志明"));
    report.setString("Assessor", QStringLiteral("黄建华"));
    report.setString("AuthorizedMan", QStringLiteral("梁国栋"));
    report.setDate("ApprDate", trusted.addDays(7));
}

struct Measurement
{
    const char *step;
    int rows;
    qint64 ms;
    long peakKb;
};

Measurement measure(const char *step, const std::function<int()> &work)
{
    QElapsedTimer timer;
    timer.start();
    const int rows = work();
    return {step, rows, timer.elapsed(), peakMemoryKb()};
}

void printTable(const QList<Measurement> &results, const QString &path)
{
    std::printf("\n%-34s %10s %10s %12s %18s\n", "step", "rows", "ms", "rows/s", "VmHWM after (MiB)");
    for (const Measurement &m : results) {
        const QByteArray rate = m.ms > 0 ? QByteArray::number(qRound64(1000.0 * m.rows / double(m.ms))) : "-";
        std::printf("%-34s %10d %10lld %12s %18.1f\n", m.step, m.rows, static_cast<long long>(m.ms),
                    rate.constData(), m.peakKb / 1024.0);
    }
    std::printf("\nfile size: %.1f MiB\n", QFileInfo(path).size() / (1024.0 * 1024.0));
}

int run(int count)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        throw AppError(QStringLiteral("cannot create a temporary folder"));
    // A program folder without config.ini: new reports get the initial page settings.
    Process.AppDir = QDir::cleanPath(folder.path());
    const QString path = QDir(folder.path()).filePath(QStringLiteral("bench.had"));
    TFrm_DataModule module;
    if (!module.CreateDatabase(path))
        throw AppError(QStringLiteral("cannot create ") + path);

    QList<Measurement> results;
    results << Measurement{"start", 0, 0, peakMemoryKb()};
    results << measure("append + fill + post", [&] {
        Connection connection;
        HadFile::open(connection, path);
        DataSet reports(connection);
        reports.open(HadFile::SelectAllReports);
        for (int n = 1; n <= count; ++n) {
            module.AppendReport(reports, StorePageDefaultsToRow);
            fillReport(reports, n);
            reports.post();
        }
        return reports.recordCount();
    });

    // Later steps work on the file as a report window opens it.
    Connection connection;
    HadFile::open(connection, path);
    DataSet reports(connection);
    results << measure("open report query + list", [&] {
        reports.open(HadFile::SelectAllReports);
        return int(reports.columnTexts(HadFile::ReportListColumns).size());
    });
    results << measure("step through with MoveNext", [&] {
        int rows = 0;
        for (module.MoveFirst(reports); !reports.eof(); module.MoveNext(reports)) {
            // Read what the report window shows first, so every row is fetched.
            reports.asString("FileNo");
            reports.asString("ApprCircs");
            ++rows;
        }
        return rows;
    });
    printTable(results, path);

    // Every step must have seen every report; anything else is a fault, not a figure.
    for (const Measurement &m : results.mid(1)) {
        if (m.rows != count)
            throw AppError(QStringLiteral("%1: %2 rows instead of %3").arg(m.step).arg(m.rows).arg(count));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = true;
    const int count = args.size() > 1 ? args.at(1).toInt(&ok) : 10000;
    if (args.size() > 2 || !ok || count < 1) {
        std::fprintf(stderr, "usage: %s [REPORTS]   (a positive number, default 10000)\n", argv[0]);
        return 2;
    }
    try {
        return run(count);
    } catch (const AppError &error) {
        std::fprintf(stderr, "appraisal-bench: %s\n", qPrintable(error.message()));
        return 1;
    }
}
