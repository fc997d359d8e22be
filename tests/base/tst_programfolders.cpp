#include "base/apperror.h"
#include "base/programfolders.h"

#include <QtTest>

// Where the program keeps its folder, how a fresh folder receives the sample
// database from the program's shared data, and which clause library it reads.
class TestProgramFolders : public QObject
{
    Q_OBJECT

private slots:
    void appDirRule_data();
    void appDirRule();
    void buildTreeRunKeepsItsFolderBesideTheExecutable();
    void seedingKeepsEveryExistingCopy_data();
    void seedingKeepsEveryExistingCopy();
    void seededCopiesAreWritable();
    void seedingFailuresAreReported_data();
    void seedingFailuresAreReported();
    void clauseLibraryRead_data();
    void clauseLibraryRead();
    void unchangedLibraryCopyRemoved_data();
    void unchangedLibraryCopyRemoved();
    void linkToTheInstalledLibraryStays();
};

namespace {

const QString Sample = QStringLiteral("Data/2004年房屋安全鉴定报告.had");
const QString Library = QStringLiteral("Resource/ApprStandar.mdb");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A shared data folder as an installed copy has it: the two files under
// their bare names.
struct Shared
{
    QTemporaryDir root;
    QString dir = root.filePath("share/house-appraisal");

    Shared()
    {
        writeFile(QDir(dir).filePath("2004年房屋安全鉴定报告.had"), "shared sample");
        writeFile(QDir(dir).filePath("ApprStandar.mdb"), "shared library");
    }
};

QString seedFailure(const QString &appDir, const QString &sharedDir)
{
    try {
        ProgramFolders::seed(appDir, sharedDir);
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

void TestProgramFolders::appDirRule_data()
{
    // "@" stands for a temporary root; the executable lies in @/opt/bin and
    // the user's home is @/home/user unless a row says otherwise.
    QTest::addColumn<QString>("appraisalHome");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<bool>("buildTree");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("appDir"); // empty: refused, nowhere to keep the program's files

    const QString home = "@/home/user";
    const QString perUser = "@/home/user/.local/share/house-appraisal";
    QTest::newRow("variable set, installed") << "@/office"
                                             << "@/xdg" << false << home << "@/office";
    QTest::newRow("variable set, build tree") << "@/office"
                                              << "" << true << home << "@/office";
    QTest::newRow("variable with trailing separator") << "@/office/"
                                                      << "" << false << home << "@/office";
    QTest::newRow("build tree") << ""
                                << "" << true << home << "@/opt/bin";
    QTest::newRow("build tree, XDG_DATA_HOME set") << ""
                                                   << "@/xdg" << true << home << "@/opt/bin";
    QTest::newRow("installed, XDG_DATA_HOME set") << ""
                                                  << "@/xdg" << false << home << "@/xdg/house-appraisal";
    QTest::newRow("installed, XDG_DATA_HOME unset") << ""
                                                    << "" << false << home << perUser;
    QTest::newRow("installed, relative XDG_DATA_HOME ignored") << ""
                                                               << "xdg" << false << home << perUser;
    QTest::newRow("installed, HOME empty") << ""
                                           << "" << false << ""
                                           << "";
    QTest::newRow("installed, HOME relative") << ""
                                              << "" << false << "home/user"
                                              << "";
    QTest::newRow("installed, HOME empty, XDG_DATA_HOME set") << ""
                                                              << "@/xdg" << false << ""
                                                              << "@/xdg/house-appraisal";
    QTest::newRow("installed, HOME empty, variable set") << "@/office"
                                                         << "" << false << ""
                                                         << "@/office";
    QTest::newRow("build tree, HOME empty") << ""
                                            << "" << true << ""
                                            << "@/opt/bin";
}

void TestProgramFolders::appDirRule()
{
    QFETCH(QString, appraisalHome);
    QFETCH(QString, xdgDataHome);
    QFETCH(bool, buildTree);
    QFETCH(QString, home);
    QFETCH(QString, appDir);
    QTemporaryDir root;
    const QString rootPath = QDir::cleanPath(root.path());
    const auto place = [&](QString path) { return path.replace('@', rootPath); };

    const QString executableDir = place("@/opt/bin");
    QDir().mkpath(executableDir);
    if (buildTree)
        writeFile(QDir(executableDir).filePath(ProgramFolders::BuildTreeMarker), "");
    QProcessEnvironment environment;
    environment.insert("HOME", place(home));
    if (!appraisalHome.isEmpty())
        environment.insert("APPRAISAL_HOME", place(appraisalHome));
    if (!xdgDataHome.isEmpty())
        environment.insert("XDG_DATA_HOME", place(xdgDataHome));

    if (appDir.isEmpty()) {
        try {
            ProgramFolders::resolveAppDir(environment, executableDir);
            QFAIL("a program folder without a home folder");
        } catch (const AppError &e) {
            QCOMPARE(e.message(),
                "没有设置用户的主文件夹 (环境变量 HOME 为空或不是绝对路径), 也没有用环境变量 APPRAISAL_HOME "
                "指定程序文件夹: 设置和鉴定报告无处保存, 程序不能启动!");
        }
    } else {
        QCOMPARE(ProgramFolders::resolveAppDir(environment, executableDir), place(appDir));
    }
    // Every rule reads the environment only: nothing is created under the
    // executable's folder, nor anywhere under the root.
    QCOMPARE(
        QDir(executableDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), buildTree ? 1 : 0);
    QCOMPARE(QDir(rootPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { "opt" });
}

void TestProgramFolders::buildTreeRunKeepsItsFolderBesideTheExecutable()
{
    // This test runs from the build tree, beside the program: the build
    // writes the marker there and the shared data where an installed copy
    // has it.
    const QString executableDir = QCoreApplication::applicationDirPath();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("APPRAISAL_HOME");
    QCOMPARE(ProgramFolders::resolveAppDir(environment, executableDir), QDir::cleanPath(executableDir));
    QCOMPARE(ProgramFolders::shareDir(), QDir::cleanPath(executableDir + "/../share"));
    QCOMPARE(ProgramFolders::sharedDataDir(), QDir::cleanPath(executableDir + "/../share/house-appraisal"));
    QStringList shared { "ApprStandar.mdb" };
    for (const QString &relative : ProgramFolders::seededFiles())
        shared << QFileInfo(relative).fileName();
    for (const QString &name : shared) {
        const QString path = QDir(ProgramFolders::sharedDataDir()).filePath(name);
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    }
}

void TestProgramFolders::seedingKeepsEveryExistingCopy_data()
{
    QTest::addColumn<QStringList>("present"); // files the program folder already has
    QTest::newRow("fresh folder") << QStringList();
    QTest::newRow("sample changed") << QStringList { Sample };
    QTest::newRow("the user's own library") << QStringList { Library };
}

void TestProgramFolders::seedingKeepsEveryExistingCopy()
{
    QFETCH(QStringList, present);
    Shared shared;
    QTemporaryDir appDir;
    for (const QString &relative : present)
        writeFile(appDir.filePath(relative), "the user's own");

    ProgramFolders::seed(appDir.path(), shared.dir);
    // A second start finds everything in place and changes nothing.
    ProgramFolders::seed(appDir.path(), shared.dir);

    QCOMPARE(readFile(appDir.filePath(Sample)),
        present.contains(Sample) ? QByteArray("the user's own") : QByteArray("shared sample"));
    // The clause library is read where it is installed: no copy is made.
    QCOMPARE(readFile(appDir.filePath(Library)),
        present.contains(Library) ? QByteArray("the user's own") : QByteArray("(missing)"));
    QCOMPARE(ProgramFolders::seededFiles(), QStringList({ Sample }));
}

void TestProgramFolders::seededCopiesAreWritable()
{
    Shared shared;
    QFile::setPermissions(QDir(shared.dir).filePath("2004年房屋安全鉴定报告.had"),
        QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QTemporaryDir appDir;
    ProgramFolders::seed(appDir.path(), shared.dir);
    QVERIFY(QFile::permissions(appDir.filePath(Sample)) & QFile::WriteOwner);
    QFile file(appDir.filePath(Sample));
    QVERIFY(file.open(QIODevice::ReadWrite));
}

void TestProgramFolders::seedingFailuresAreReported_data()
{
    // "@" stands for the shared folder, "#" for the program folder.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");

    QTest::newRow("shared folder missing") << "no shared folder"
                                           << "程序的共享数据文件 @/2004年房屋安全鉴定报告.had 不存在!";
    QTest::newRow("a file where Data belongs")
        << "Data is a file"
        << "不能把 @/2004年房屋安全鉴定报告.had 复制到 #/Data/2004年房屋安全鉴定报告.had!";
}

void TestProgramFolders::seedingFailuresAreReported()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    Shared shared;
    QTemporaryDir appDir;
    if (fault == "no shared folder")
        QVERIFY(QDir(shared.dir).removeRecursively());
    else if (fault == "Data is a file")
        writeFile(appDir.filePath("Data"), "not a folder");

    message.replace('@', QDir::toNativeSeparators(shared.dir));
    message.replace('#', QDir::toNativeSeparators(appDir.path()));
    QCOMPARE(seedFailure(appDir.path(), shared.dir), message);
}

void TestProgramFolders::clauseLibraryRead_data()
{
    // "@" stands for the shared folder, "#" for the program folder.
    QTest::addColumn<QString>("copy"); // the program folder's Resource/ApprStandar.mdb
    QTest::addColumn<QString>("read");

    QTest::newRow("no copy: the installed library") << ""
                                                    << "@/ApprStandar.mdb";
    QTest::newRow("the user's own copy") << "file"
                                         << "#/Resource/ApprStandar.mdb";
    // Reading it reports the broken link rather than passing over it.
    QTest::newRow("a dangling link") << "dangling link"
                                     << "#/Resource/ApprStandar.mdb";
}

void TestProgramFolders::clauseLibraryRead()
{
    QFETCH(QString, copy);
    QFETCH(QString, read);
    Shared shared;
    QTemporaryDir appDir;
    if (copy == "file")
        writeFile(appDir.filePath(Library), "the user's own");
    else if (copy == "dangling link")
        QVERIFY(QDir(appDir.path()).mkpath("Resource")
            && QFile::link(appDir.filePath("gone.mdb"), appDir.filePath(Library)));

    read.replace('@', shared.dir);
    read.replace('#', appDir.path());
    QCOMPARE(ProgramFolders::clauseLibrary(appDir.path(), shared.dir), read);
}

void TestProgramFolders::unchangedLibraryCopyRemoved_data()
{
    QTest::addColumn<QByteArray>("copy"); // empty: none
    QTest::addColumn<QByteArray>("installed"); // empty: none
    QTest::addColumn<bool>("removed");

    QTest::newRow("copied by an earlier version")
        << QByteArray("shared library") << QByteArray("shared library") << true;
    QTest::newRow("changed by the user")
        << QByteArray("the user's clauses") << QByteArray("shared library") << false;
    QTest::newRow("same size, other bytes")
        << QByteArray("shared librarx") << QByteArray("shared library") << false;
    QTest::newRow("installed library missing") << QByteArray("shared library") << QByteArray() << false;
    QTest::newRow("no copy") << QByteArray() << QByteArray("shared library") << false;
}

void TestProgramFolders::unchangedLibraryCopyRemoved()
{
    QFETCH(QByteArray, copy);
    QFETCH(QByteArray, installed);
    QFETCH(bool, removed);
    QTemporaryDir shared;
    QTemporaryDir appDir;
    if (!installed.isEmpty())
        writeFile(shared.filePath("ApprStandar.mdb"), installed);
    if (!copy.isEmpty())
        writeFile(appDir.filePath(Library), copy);

    ProgramFolders::removeUnchangedLibraryCopy(appDir.path(), shared.path());

    QCOMPARE(readFile(appDir.filePath(Library)), removed || copy.isEmpty() ? QByteArray("(missing)") : copy);
    QCOMPARE(readFile(shared.filePath("ApprStandar.mdb")),
        installed.isEmpty() ? QByteArray("(missing)") : installed);
}

void TestProgramFolders::linkToTheInstalledLibraryStays()
{
    Shared shared;
    QTemporaryDir appDir;
    const QString installed = QDir(shared.dir).filePath("ApprStandar.mdb");
    QVERIFY(QDir(appDir.path()).mkpath("Resource") && QFile::link(installed, appDir.filePath(Library)));

    ProgramFolders::removeUnchangedLibraryCopy(appDir.path(), shared.dir);

    QCOMPARE(QFileInfo(appDir.filePath(Library)).symLinkTarget(), installed);
    QCOMPARE(readFile(installed), QByteArray("shared library"));
}

QTEST_GUILESS_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
