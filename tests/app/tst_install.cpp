#include "base/processstate.h"
#include "base/version.h"
#include "runprogram.h"

#include <QtTest>

// The build tree installed into a temporary prefix, as a package installs
// it: the files it puts there, the first start of the installed program by a
// new user, and the installed hadtool's command line.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsTheProgramFilesOnly();
    void desktopEntryMatchesTheInstalledFiles();
    void firstStartSeedsTheUsersFolder_data();
    void firstStartSeedsTheUsersFolder();
    void hadtoolCommandLine_data();
    void hadtoolCommandLine();
    void manPageCoversEveryCommand();
    void debianDocumentation();
    void manualIsWholeAndLinked();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    QTemporaryDir m_prefix;
};

namespace {

const QString Desktop = QStringLiteral("share/applications/house-appraisal.desktop");
const QString Icon = QStringLiteral("share/icons/hicolor/scalable/apps/house-appraisal.svg");
const QString MimeInfo = QStringLiteral("share/mime/packages/house-appraisal.xml");
const QString MetaInfo = QStringLiteral("share/metainfo/cn.chenling_appraisal.house_appraisal.metainfo.xml");
const QString ManPage = QStringLiteral("share/man/man1/hadtool.1.gz");
const QString ProgramManPage = QStringLiteral("share/man/man1/house-appraisal.1.gz");
const QString SharedSample = QStringLiteral("share/house-appraisal/2004年房屋安全鉴定报告.had");
const QString SharedLibrary = QStringLiteral("share/house-appraisal/ApprStandar.mdb");
const QString DocDir = QStringLiteral("share/doc/house-appraisal");
const QString Copyright = DocDir + "/copyright";
const QString Changelog = DocDir + "/changelog.gz";
const QString DocBase = QStringLiteral("share/doc-base/house-appraisal.manual");
// The manual's pages and pictures, which manualIsWholeAndLinked checks.
const QStringList ManualFolders = { DocDir + "/manual/", DocDir + "/images/" };

ProcessResult run(const QString &program, const QStringList &arguments)
{
    return runProgram(program, arguments, { .timeoutMs = 120000 });
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of a gzip-compressed file.
QString readCompressed(const QString &path)
{
    const ProcessResult result = run(QStringLiteral("gzip"), { "-dc", path });
    return result.exitCode == 0 ? result.out : QString();
}

// Every file and folder under a folder with its size and modification time.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QStringLiteral("%1 %2 %3")
                       .arg(QDir(folder).relativeFilePath(info.filePath()))
                       .arg(info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

// The command names of hadtool's overview ("  name SYNOPSIS" under "Commands:").
QStringList commandNames(const QString &overview)
{
    QStringList names;
    const QString commands = overview.section(QStringLiteral("Commands:\n"), 1);
    static const QRegularExpression line(
        QStringLiteral("^  ([a-z][a-z0-9-]*)( |$)"), QRegularExpression::MultilineOption);
    for (auto match = line.globalMatch(commands); match.hasNext();)
        names << match.next().captured(1);
    return names;
}

} // namespace

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const ProcessResult result = run(QStringLiteral(CMAKE_COMMAND),
        { "--install", QStringLiteral(APPRAISAL_BUILD_DIR), "--prefix", m_prefix.path() });
    QVERIFY2(result.exitCode == 0, qPrintable(result.out + result.err));
}

void TestInstall::installsTheProgramFilesOnly()
{
    QStringList files;
    QDirIterator it(m_prefix.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = QDir(m_prefix.path()).relativeFilePath(it.next());
        if (std::none_of(ManualFolders.begin(), ManualFolders.end(),
                [&](const QString &folder) { return file.startsWith(folder); }))
            files << file;
    }
    files.sort();
    QStringList expected { "bin/hadtool", "bin/house-appraisal", Desktop, SharedSample, SharedLibrary, Icon,
        ManPage, ProgramManPage, MetaInfo, MimeInfo, Copyright, Changelog, DocBase };
    expected.sort();
    QCOMPARE(files, expected);
    for (const char *program : { "bin/hadtool", "bin/house-appraisal" })
        QVERIFY2(QFileInfo(installed(program)).isExecutable(), program);
}

void TestInstall::desktopEntryMatchesTheInstalledFiles()
{
    QMap<QString, QString> entry;
    for (const QByteArray &line : readFile(installed(Desktop)).split('\n'))
        if (const int equals = line.indexOf('='); equals > 0)
            entry.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    QCOMPARE(entry.value("Type"), "Application");
    QCOMPARE(entry.value("Name[zh_CN]"), AppTitle);
    QVERIFY(!entry.value("Name").isEmpty());
    QVERIFY(!entry.value("Comment").isEmpty());
    QVERIFY(!entry.value("Comment[zh_CN]").isEmpty());
    QVERIFY(entry.value("Categories").split(';').contains("Office"));
    // The program takes the files the desktop hands it, of the type the
    // package declares.
    QCOMPARE(entry.value("Exec").section(' ', 1), "%F");
    QVERIFY(QFileInfo(installed("bin/" + entry.value("Exec").section(' ', 0, 0))).isExecutable());
    QCOMPARE(entry.value("MimeType"), "application/x-house-appraisal;");
    QCOMPARE(QFileInfo(installed(Icon)).completeBaseName(), entry.value("Icon"));

    // The icon renders through the SVG icon engine the program depends on.
    const QImage icon = QIcon(installed(Icon)).pixmap(48, 48).toImage();
    QVERIFY(!icon.isNull());
    QVERIFY(qAlpha(icon.pixel(24, 24)) > 0);

    // The MIME type reads as shared-mime-info reads it: *.had files are
    // appraisal databases, shown with the program's icon.
    QTemporaryDir mimeDir;
    QVERIFY(QDir().mkpath(mimeDir.filePath("packages")));
    QVERIFY(QFile::copy(installed(MimeInfo), mimeDir.filePath("packages/house-appraisal.xml")));
    const ProcessResult update = run("update-mime-database", { mimeDir.path() });
    QCOMPARE(update.exitCode, 0);
    QVERIFY(readFile(mimeDir.filePath("globs2")).contains(":application/x-house-appraisal:*.had"));
    QVERIFY(readFile(mimeDir.filePath("icons")).contains("application/x-house-appraisal:house-appraisal"));

    // The AppStream metadata launches this entry and carries this version.
    const QString metaInfo = QString::fromUtf8(readFile(installed(MetaInfo)));
    QVERIFY(metaInfo.contains("<launchable type=\"desktop-id\">house-appraisal.desktop</launchable>"));
    QVERIFY2(
        metaInfo.contains(QStringLiteral("<release version=\"%1\"").arg(AppVersion)), qPrintable(metaInfo));
}

void TestInstall::firstStartSeedsTheUsersFolder_data()
{
    // "~" stands for the new user's home folder.
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("appDir");
    // The clause library in the folder's Resource before the start: none, a
    // copy of the installed one as earlier versions made it, or the user's
    // own; and whether it is there afterwards.
    QTest::addColumn<QString>("library");
    QTest::addColumn<bool>("libraryKept");
    const QString perUser = "~/.local/share/house-appraisal";
    QTest::newRow("per-user folder") << ""
                                     << "" << perUser << "" << false;
    QTest::newRow("XDG_DATA_HOME") << "XDG_DATA_HOME"
                                   << "~/data"
                                   << "~/data/house-appraisal"
                                   << "" << false;
    QTest::newRow("fresh APPRAISAL_HOME") << "APPRAISAL_HOME"
                                          << "~/office"
                                          << "~/office"
                                          << "" << false;
    QTest::newRow("copy of an earlier version") << ""
                                                << "" << perUser << "installed copy" << false;
    QTest::newRow("the user's own library") << ""
                                            << "" << perUser << "own" << true;
}

void TestInstall::firstStartSeedsTheUsersFolder()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QString, appDir);
    QFETCH(QString, library);
    QFETCH(bool, libraryKept);
    QTemporaryDir home;
    const auto place = [&](QString path) { return path.replace('~', home.path()); };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("APPRAISAL_HOME");
    environment.remove("XDG_DATA_HOME");
    environment.insert("HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (!variable.isEmpty())
        environment.insert(variable, place(value));
    const QDir folder(place(appDir));
    const QString ownLibrary = folder.filePath("Resource/ApprStandar.mdb");
    const QByteArray libraryBefore
        = library == "own" ? QByteArray("the user's clauses") : readFile(installed(SharedLibrary));
    if (!library.isEmpty()) {
        QVERIFY(folder.mkpath("Resource"));
        QFile file(ownLibrary);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(libraryBefore) == libraryBefore.size());
    }
    const QStringList prefixBefore = snapshot(m_prefix.path());

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(installed("bin/house-appraisal"), QStringList());
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    const auto seeded
        = [&] { return QFileInfo(folder.filePath("Data/2004年房屋安全鉴定报告.had")).isFile(); };
    // Wait for the seeded folder, or for the program to end before it.
    const QDeadlineTimer deadline(60000);
    while (!seeded() && program.state() == QProcess::Running && !deadline.hasExpired())
        QTest::qWait(20);
    const bool ranOn = program.state() == QProcess::Running && seeded();
    program.terminate();
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
    }
    QVERIFY2(ranOn, program.readAllStandardError().constData());

    for (const char *name : { "Data", "Backup", "Template", "Temp", "Resource" })
        QVERIFY2(QFileInfo(folder.filePath(name)).isDir(), name);
    // The installed clause library is read where it is, so that the next
    // package's library reaches the user; only the user's own copy stays.
    QCOMPARE(readFile(ownLibrary), libraryKept ? libraryBefore : QByteArray());
    QCOMPARE(QFileInfo::exists(ownLibrary), libraryKept);
    // The program opens the sample at once, so only its presence is certain.
    QVERIFY(QFileInfo(folder.filePath("Data/2004年房屋安全鉴定报告.had")).size() > 0);
    QCOMPARE(snapshot(m_prefix.path()), prefixBefore);
}

void TestInstall::hadtoolCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // what standard output begins with
    QTest::addColumn<QString>("err"); // what standard error begins with

    QTest::newRow("--help") << QStringList { "--help" } << 0 << "usage: hadtool COMMAND [ARGUMENTS]\n"
                            << "";
    QTest::newRow("--version") << QStringList { "--version" } << 0
                               << QStringLiteral("hadtool %1\n").arg(AppVersion) << "";
    QTest::newRow("command help") << QStringList { "new", "--help" } << 0 << "usage: hadtool new "
                                  << "";
    QTest::newRow("unknown option") << QStringList { "--frobnicate" } << 2 << ""
                                    << "hadtool: unknown command '--frobnicate'\nusage: hadtool COMMAND";
    QTest::newRow("unknown option of a command") << QStringList { "list", "--frobnicate", "x.had" } << 2 << ""
                                                 << "hadtool: ";
}

void TestInstall::hadtoolCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const ProcessResult result = run(installed("bin/hadtool"), arguments);
    QCOMPARE(result.exitCode, exitCode);
    for (const auto &[text, expected] : { std::pair(result.out, out), std::pair(result.err, err) }) {
        if (expected.isEmpty())
            QVERIFY2(text.isEmpty(), qPrintable(text));
        else
            QVERIFY2(text.startsWith(expected), qPrintable(text));
    }
    if (exitCode == 2)
        QVERIFY2(result.err.contains("usage: hadtool"), qPrintable(result.err));
}

void TestInstall::manPageCoversEveryCommand()
{
    const QString page = readCompressed(installed(ManPage));
    QVERIFY(page.startsWith(QStringLiteral(".TH HADTOOL 1 \"\" \"hadtool %1\"").arg(AppVersion)));
    const QStringList names = commandNames(run(installed("bin/hadtool"), { "--help" }).out);
    QVERIFY(names.contains("new") && names.contains("list"));
    static const QRegularExpression option(
        QStringLiteral("^ +(--[a-z][a-z-]*)"), QRegularExpression::MultilineOption);
    for (const QString &name : names) {
        QVERIFY2(page.contains(".SS \"hadtool " + name + ' '), qPrintable(name));
        // Each option of the command's help is a tagged paragraph of the page.
        const QString help = run(installed("bin/hadtool"), { name, "--help" }).out;
        for (auto match = option.globalMatch(help); match.hasNext();) {
            QString roff = match.next().captured(1);
            roff.replace('-', "\\-");
            QVERIFY2(page.contains(".TP\n.B " + roff), qPrintable(name + ": " + roff));
        }
    }
}

// What Debian asks of a package's documentation: a machine-readable
// copyright file, a changelog whose latest entry is this version, manual
// pages and changelog compressed with gzip -9n (the best compression, no
// name or time stamp in the header), the program's own page among them, and
// the user manual registered with doc-base.
void TestInstall::debianDocumentation()
{
    QVERIFY(readFile(installed(Copyright))
                .startsWith("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
    QVERIFY(readFile(installed(Copyright)).contains("\nFiles: *\nCopyright: "));

    for (const QString &compressed : { Changelog, ManPage, ProgramManPage }) {
        const QByteArray header = readFile(installed(compressed)).left(10);
        QVERIFY2(header.size() == 10 && header.startsWith("\x1f\x8b\x08"), qPrintable(compressed));
        QVERIFY2(!(header.at(3) & 0x08), qPrintable(compressed + ": a file name is stored"));
        QVERIFY2(header.mid(4, 4) == QByteArray(4, '\0'), qPrintable(compressed + ": a time is stored"));
        QVERIFY2(header.at(8) == 2, qPrintable(compressed + ": not the best compression"));
    }

    const QString changelog = readCompressed(installed(Changelog));
    QVERIFY2(
        changelog.startsWith(QStringLiteral("house-appraisal (%1) ").arg(AppVersion)), qPrintable(changelog));

    const QString page = readCompressed(installed(ProgramManPage));
    QVERIFY2(page.startsWith(QStringLiteral(".TH HOUSE\\-APPRAISAL 1 ")), qPrintable(page));
    QVERIFY(page.contains(QStringLiteral("\"house\\-appraisal %1\"").arg(AppVersion)));
    // It names the manual where the package installs it.
    QVERIFY(page.contains(DocDir + "/manual/index.html"));

    const QString docBase = QString::fromUtf8(readFile(installed(DocBase)));
    QVERIFY2(docBase.startsWith("Document: house-appraisal-manual\n"), qPrintable(docBase));
    QVERIFY2(docBase.contains(
                 QRegularExpression("\nFormat: HTML\nIndex: /\\S*/" + DocDir + "/manual/index.html\n")),
        qPrintable(docBase));
}

// The manual as installed: from its start page, which the help command
// opens, every page and picture is reached; every link and picture a page
// names is there, anchors included; nothing is loaded from the network; and
// no file lies there that no page reaches.
void TestInstall::manualIsWholeAndLinked()
{
    const QString start = installed(DocDir + "/manual/index.html");
    QVERIFY(QFileInfo(start).isFile());
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QSet<QString> reached;
    QStringList queue { start };
    while (!queue.isEmpty()) {
        const QString file = queue.takeFirst();
        if (reached.contains(file))
            continue;
        reached.insert(file);
        if (!file.endsWith(".html"))
            continue;
        const QString page = QString::fromUtf8(readFile(file));
        for (auto match = reference.globalMatch(page); match.hasNext();) {
            const QString target = match.next().captured(1);
            const QString where = QDir(m_prefix.path()).relativeFilePath(file) + ": " + target;
            QVERIFY2(!target.contains(':') && !target.startsWith("//"), qPrintable(where));
            const QString path = target.section('#', 0, 0);
            const QString anchor = target.section('#', 1);
            const QString linked
                = path.isEmpty() ? file : QDir::cleanPath(QFileInfo(file).absolutePath() + '/' + path);
            QVERIFY2(QFileInfo(linked).isFile(), qPrintable(where));
            if (!anchor.isEmpty())
                QVERIFY2(readFile(linked).contains("id=\"" + anchor.toUtf8() + '"'), qPrintable(where));
            queue << linked;
        }
    }
    QStringList unreached;
    for (const QString &folder : ManualFolders) {
        QDirIterator it(installed(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            if (const QString file = QDir::cleanPath(it.next()); !reached.contains(file))
                unreached << file;
    }
    QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join('\n')));
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
