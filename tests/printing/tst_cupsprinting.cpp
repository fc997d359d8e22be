#include "db/reportfields.h"
#include "output/outputstate.h"
#include "output/pagevalues.h"
#include "output/units.h"
#include "printing/currentprinter.h"
#include "printing/reportprinting.h"
#include "reportfile.h"
#include "runprogram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

// Printing through a real print service: a CUPS scheduler of the tests' own
// (tests/support/private-cupsd.sh, started by CTest) with a cups-pdf queue,
// whose printable area is the whole sheet. The printed file is read back.
class TestCupsPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rulesLandWhereTheLayoutPutsThem_data();
    void rulesLandWhereTheLayoutPutsThem();

private:
    QString m_queue;
    QImage m_body;
};

namespace {

// The folder cups-pdf writes this user's files into: its configuration's
// "Out", with ${HOME} and ${USER} expanded.
QString cupsPdfFolder()
{
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        static const QRegularExpression key(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$"));
        for (const QString &line : QString::fromUtf8(conf.readAll()).split(u'\n')) {
            const QRegularExpressionMatch m = key.match(line);
            if (m.hasMatch())
                out = m.captured(1);
        }
    }
    const passwd *user = getpwuid(getuid());
    if (user) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return out;
}

// Waits until the queue has no job left to do.
bool queueDone(const QString &queue)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 120000) {
        const ProcessResult jobs = runProgram("lpstat", { "-W", "not-completed", "-o", queue });
        if (jobs.exitCode == 0 && jobs.out.trimmed().isEmpty())
            return true;
        QTest::qWait(200);
    }
    return false;
}

// The middle of the dark run that crosses the line from `from` towards
// `to` (pixels), in pixels, weighted by darkness; -1 when none.
double darkMiddle(const QImage &page, QPoint from, QPoint to)
{
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    double weight = 0;
    double sum = 0;
    for (int i = 0; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        const double darkness = 255 - qGray(page.pixel(p));
        if (darkness > 64) {
            weight += darkness;
            sum += darkness * i;
        }
    }
    return weight > 0 ? sum / weight : -1;
}

} // namespace

void TestCupsPrinting::initTestCase()
{
    const QString folder = qEnvironmentVariable("PRIVATE_CUPSD_DIR");
    if (folder.isEmpty())
        QSKIP("no private CUPS scheduler: run through ctest, which starts one");
    QFile skip(QDir(folder).filePath("skip"));
    if (skip.open(QIODevice::ReadOnly))
        QSKIP(qPrintable(QString::fromUtf8(skip.readAll()).trimmed()));
    QFile queue(QDir(folder).filePath("queue"));
    QVERIFY2(queue.open(QIODevice::ReadOnly), "the private CUPS scheduler left no queue");
    m_queue = QString::fromUtf8(queue.readAll()).trimmed();

    // The print command's way: the report's page settings and paper, its page
    // files, all pages on the current printer.
    ReportFile file(1);
    file.storePaper("A4", 210, 297, 0);
    const QString fileNo = QStringLiteral("cups%1").arg(QRandomGenerator::global()->generate());
    file.reports.edit();
    file.reports.setString("FileNo", fileNo);
    file.reports.setString("Client", "广州市越秀区东园路小学");
    file.reports.setString("Address", "广州市越秀区东园路38号教学楼");
    file.reports.setString("ApprCircs", "该楼为四层现浇钢筋混凝土框架结构。");
    file.reports.post();
    const ReportTexts texts = ReportTexts::fromRow(file.reports);
    OutputProcess.ActiveSignatures
        = [texts] { return std::optional<SignatureValues>(MakeSignatureValues(texts)); };
    CurrentPrinter::select(m_queue);
    PreparePrintedPages({ &file.reports, texts, SumBuildingArea(texts), {} });
    PrintAllReportPages();
    QVERIFY2(queueDone(m_queue), "the print job did not finish");

    const QDir out(cupsPdfFolder());
    const QStringList printed = out.entryList({ fileNo + "*.pdf" }, QDir::Files);
    QVERIFY2(printed.size() == 1, qPrintable(out.path() + ": " + out.entryList().join(' ')));
    QTemporaryDir read;
    const QString pdf = read.filePath("printed.pdf");
    QVERIFY(QFile::copy(out.filePath(printed.first()), pdf));
    QFile::remove(out.filePath(printed.first()));
    const QString picture = read.filePath("body");
    QCOMPARE(
        runProgram("pdftoppm", { "-r", "300", "-gray", "-f", "2", "-l", "2", "-singlefile", pdf, picture })
            .exitCode,
        0);
    m_body = QImage(picture + ".pgm");
    QVERIFY2(qAbs(m_body.width() - 2480) <= 1 && qAbs(m_body.height() - 3508) <= 1,
        "not an A4 page"); // at 300 dpi
}

void TestCupsPrinting::rulesLandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QPointF>("from"); // mm; a line across the rule
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<double>("at"); // where the rule lies on that line, mm from its start
    // The body's table: x from 15 to 193 mm, y from 37 to 272 mm.
    QTest::newRow("left edge") << QPointF(10, 100) << QPointF(20, 100) << 5.0;
    QTest::newRow("right edge") << QPointF(188, 100) << QPointF(198, 100) << 5.0;
    QTest::newRow("top edge") << QPointF(100, 32) << QPointF(100, 40) << 5.0;
    QTest::newRow("bottom edge") << QPointF(100, 268) << QPointF(100, 278) << 4.0;
    QTest::newRow("client row, top") << QPointF(95, 39.5) << QPointF(95, 44.5) << 2.5; // 42 mm
}

void TestCupsPrinting::rulesLandWhereTheLayoutPutsThem()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(double, at);
    const auto pixel = [](const QPointF &mm) { return (mm * 300 * InchesPerMM).toPoint(); };
    const QPoint start = pixel(from);
    const QPoint end = pixel(to);
    const double middle = darkMiddle(m_body, start, end);
    QVERIFY2(middle >= 0, "no rule there");
    const double mmPerStep
        = QLineF(from, to).length() / std::max(std::abs(end.x() - start.x()), std::abs(end.y() - start.y()));
    const double found = middle * mmPerStep;
    QVERIFY2(qAbs(found - at) <= 0.2, qPrintable(QString("%1 mm off").arg(found - at)));
}

QTEST_MAIN(TestCupsPrinting)
#include "tst_cupsprinting.moc"
