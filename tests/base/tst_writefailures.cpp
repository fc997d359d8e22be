// Writes that the system refuses part-way (a full disk, the file size
// limit) are reported with the path and the system's reason, and the file
// that was there before stays as it was.

#include "base/apperror.h"
#include "base/filebytes.h"
#include "base/inifile.h"
#include "filesizelimit.h"
#include "testenv.h"

#include <QtTest>

#include <functional>

namespace {

// Larger than the limit below and than Qt's own write buffer, smaller than
// the old file: a write may start but never finish.
constexpr rlim_t Limit = 1024;
const QByteArray OldContent = QByteArray("[Commond]\r\nComment=old\r\n").repeated(200);

} // namespace

class TestWriteFailures : public QObject
{
    Q_OBJECT

private slots:
    void refusedWriteKeepsTheOldFile_data();
    void refusedWriteKeepsTheOldFile();
    void refusedScratchWriteLeavesNoShortFile();
};

using Writer = std::function<void(const QString &path)>;

void TestWriteFailures::refusedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("messageStart");
    const QByteArray small(1579, 'x');
    QTest::newRow("small file") << Writer([small](const QString &path) { FileBytes::write(path, small); })
                                << "不能写入文件 ";
    QTest::newRow("file over the write buffer")
        << Writer([](const QString &path) { FileBytes::write(path, QByteArray(40000, 'y')); })
        << "不能写入文件 ";
    QTest::newRow("config.ini key") << Writer([](const QString &path) {
        IniFile(path).writeString("Commond", "Comment", QString(1500, u'n'));
    }) << "不能写入配置文件 ";
}

void TestWriteFailures::refusedWriteKeepsTheOldFile()
{
    QFETCH(Writer, writer);
    QFETCH(QString, messageStart);
    TestAppDir dir;
    dir.writeFile("config.ini", OldContent);
    const QString path = dir.filePath("config.ini");
    QString message;
    {
        const FileSizeLimit limit(Limit);
        try {
            writer(path);
        } catch (const AppError &error) {
            message = error.message();
        }
    }
    QCOMPARE(message, messageStart + path + ": File too large");
    QCOMPARE(dir.readFile("config.ini"), OldContent);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "config.ini" });
}

void TestWriteFailures::refusedScratchWriteLeavesNoShortFile()
{
    TestAppDir dir;
    const QString path = dir.filePath("page1.tmp");
    QString message;
    {
        const FileSizeLimit limit(Limit);
        try {
            FileBytes::writeScratch(path, QByteArray(5000, 'p'));
        } catch (const AppError &error) {
            message = error.message();
        }
    }
    QCOMPARE(message, "不能写入文件 " + path + ": File too large");
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "tst_writefailures.moc"
