#include "base/prompt.h"
#include "db/reportfields.h"
#include "modaldialog.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "output/pagevalues.h"
#include "pdfpages.h"
#include "preview/pagesetupdialog.h"
#include "preview/preview.h"
#include "preview/previewscrollbox.h"
#include "printing/currentprinter.h"
#include "printing/reportprinting.h"
#include "promptcheck.h"
#include "reportfile.h"
#include "testdevice.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace {

// The window's size before it is maximised: the scroll area is 726 x 428.
constexpr QSize InitialSize(726, 458);

// A report as a report window shows it, with a preview opened on it.
struct Fixture
{
    Fixture()
    {
        // The report's own page settings: the initial ones, as a new report gets them.
        file.storePaper("A4", 210, 297, 0);
        file.reports.edit();
        file.reports.setString("FileNo", "2004-008");
        file.reports.setString("Client", "张三");
        file.reports.setString("Address", "广州市越秀区东风路1号");
        file.reports.setString("Surveyor", "李工");
        file.reports.post();
        texts = ReportTexts::fromRow(file.reports);
        printer = &installTestDevice();
        OutputProcess.ActiveSignatures
            = [this] { return std::optional<SignatureValues>(MakeSignatureValues(texts)); };
        TFrm_PageSetup::resetReferenceSize();
    }
    ~Fixture() { delete preview.data(); }

    PrintedReportSource source()
    {
        return [this]() -> std::optional<PrintedReport> {
            if (!windowOpen)
                return std::nullopt;
            return PrintedReport { &file.reports, texts, SumBuildingArea(texts),
                [this] { log << "modified"; } };
        };
    }

    // Opens the preview; afterwards gives the window its initial size again,
    // so that the figures below do not depend on the screen.
    void open()
    {
        preview = TFrm_Preview::OpenPreview(nullptr, source());
        QVERIFY(preview);
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        preview->showNormal();
        preview->resize(InitialSize);
    }

    template<typename T = QPushButton> T *find(const char *name) const
    {
        return preview->findChild<T *>(QLatin1String(name));
    }
    QPushButton *button(const char *name) const { return find(name); }
    PreviewScrollBox *box() const { return find<PreviewScrollBox>("ScrollBox1"); }
    PreviewPicture *picture() const { return find<PreviewPicture>("Image1"); }
    QRect pictureGeometry() const { return QRect(box()->picturePlace(), picture()->size()); }
    QSize ranges() const { return QSize(box()->range(Qt::Horizontal), box()->range(Qt::Vertical)); }
    QPoint positions() const
    {
        return QPoint(box()->position(Qt::Horizontal), box()->position(Qt::Vertical));
    }

    // The page as the preview draws it at 100 %, for comparison.
    QImage pageAtActualSize(int page) const
    {
        return RenderPreviewPage(PageFileName(ProgramPageFolder(), page), 96, 96);
    }

    ReportFile file { 1 };
    ReportTexts texts;
    bool windowOpen = true;
    QStringList log;
    TestDevice *printer = nullptr;
    QPointer<TFrm_Preview> preview;
};

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

QImage withoutRatio(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Runs the page setup dialog that the preview's button opens, acting in it
// once it is the active window.
void inPageSetup(TFrm_Preview *preview, const std::function<void(TFrm_PageSetup *)> &act)
{
    inModalDialog<TFrm_PageSetup>([&] { preview->findChild<QPushButton *>("bitbtnPrintSetup")->click(); },
        [&](TFrm_PageSetup *dialog) {
            QCOMPARE(dialog->parentWidget(), preview);
            act(dialog);
        });
}

void turnToLandscapeAndClose(TFrm_PageSetup *dialog, const char *closeButton)
{
    QTest::mouseClick(dialog->findChild<QRadioButton *>("RB_Landscape"), Qt::LeftButton);
    QVERIFY(dialog->findChild<QRadioButton *>("RB_Landscape")->isChecked());
    dialog->findChild<QPushButton *>(closeButton)->click();
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void opening();
    void paging_data();
    void paging();
    void a4FiguresOnA96DpiScreen();
    void pictureIsThePageAtActualSize_data();
    void pictureIsThePageAtActualSize();
    void zoomToggle_data();
    void zoomToggle();
    void clickOnThePictureTogglesTheZoom();
    void wheel_data();
    void wheel();
    void closingHides_data();
    void closingHides();
    void nextPreviewDropsAClosedOne();
    void noReportNoWindow();
    void pageSetupConfirmedWithLandscape();
    void pageSetupCancelledKeepsThePaper();
    void pageSetupWithoutAReport();
    void relayoutTakesTheTextsOfTheMoment();
    void printButtons_data();
    void printButtons();
    void signaturesAreReadWhenThePageIsDrawn();
};

void TestPreview::opening()
{
    Fixture f;
    f.open();
    TFrm_Preview *p = f.preview;
    QCOMPARE(TFrm_Preview::current(), p);
    QCOMPARE(p->windowTitle(), QStringLiteral("打印预览"));
    QVERIFY(p->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!p->isModal());

    const QList<QPair<const char *, QString>> buttons { { "bitbtnPrintAll", "打印所有页&A" },
        { "bitbtnPrintCurrent", "打印当前页&C" }, { "bitbtnPrior", "上一页&P" }, { "bitbtnNext", "下一页&N" },
        { "bitbtnPrintSetup", "页面设置&S" }, { "bitbtnExit", "退出&X" } };
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton *b = f.button(buttons[i].first);
        QVERIFY2(b, buttons[i].first);
        QCOMPARE(b->text(), buttons[i].second);
        QCOMPARE(b->geometry(), QRect(i * 100, 0, 100, 30));
    }
    QCOMPARE(f.box()->geometry(), QRect(0, 30, 726, 428));
    QCOMPARE(f.box()->frameShape(), QFrame::NoFrame);

    // The report's pages, written into the program's page folder.
    QCOMPARE(OutputProcess.PageCount, 2);
    QCOMPARE(ReadPageValues(PageFileName(ProgramPageFolder(), 1), CoverValueCount)->at(CoverValue::Client),
        QStringLiteral("张三"));
    QCOMPARE(ReadPageValues(PageFileName(ProgramPageFolder(), 2), BodyValueCount)->at(BodyValue::FileNo),
        QStringLiteral("2004-008"));
    QVERIFY2(Prompt::shown().isEmpty(), qPrintable(lastPromptText()));
}

void TestPreview::paging_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("priorEnabled");
    QTest::addColumn<bool>("nextEnabled");
    QTest::newRow("opened") << QStringList {} << 1 << false << true;
    QTest::newRow("next") << QStringList { "bitbtnNext" } << 2 << true << false;
    QTest::newRow("next, prior") << QStringList { "bitbtnNext", "bitbtnPrior" } << 1 << false << true;
    QTest::newRow("by keyboard") << QStringList { "Alt+N" } << 2 << true << false;
}

void TestPreview::paging()
{
    QFETCH(QStringList, clicks);
    Fixture f;
    f.open();
    f.preview->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), f.preview.data());
    QImage shown = withoutRatio(f.picture()->image());
    for (const QString &click : clicks) {
        if (click == "Alt+N") {
            // The accelerator clicks the button once its press has been shown.
            const int before = f.preview->CurrentPage();
            QTest::keySequence(f.preview, QKeySequence(QStringLiteral("Alt+N")));
            QTRY_VERIFY(f.preview->CurrentPage() != before);
        } else
            f.button(qPrintable(click))->click();
        QVERIFY(Prompt::shown().isEmpty());
        // Every page turned draws the page it turns to.
        const QImage now = withoutRatio(f.picture()->image());
        QVERIFY(now != shown);
        shown = now;
    }
    QTEST(f.preview->CurrentPage(), "page");
    QTEST(f.button("bitbtnPrior")->isEnabled(), "priorEnabled");
    QTEST(f.button("bitbtnNext")->isEnabled(), "nextEnabled");
}

void TestPreview::a4FiguresOnA96DpiScreen()
{
    Fixture f;
    f.printer->sheetDots = QSize(4961, 7016);
    f.preview = TFrm_Preview::OpenPreview(nullptr, f.source());
    QVERIFY(f.preview->windowState() & Qt::WindowMaximized);
    QCOMPARE(f.preview->PreviewDpi(), QSize(96, 96));
    QCOMPARE(f.preview->PagePixels(), QSize(793, 1122));
    QCOMPARE(f.preview->PreviewZoom(), 38);
    // Laid out at the initial size, and kept so once maximised.
    QCOMPARE(f.pictureGeometry(), QRect((726 - 301) / 2, 5, 301, 426));
    QCOMPARE(f.picture()->image().size(), QSize(301, 426) * f.picture()->devicePixelRatioF());
    QVERIFY(hasInk(f.picture()->image()));
}

void TestPreview::pictureIsThePageAtActualSize_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("cover") << 1;
    QTest::newRow("body") << 2;
}

void TestPreview::pictureIsThePageAtActualSize()
{
    QFETCH(int, page);
    Fixture f;
    f.open();
    if (page == 2)
        f.button("bitbtnNext")->click();
    f.preview->toggleZoom(QPoint(100, 100));
    QCOMPARE(f.preview->PreviewZoom(), 100);
    QCOMPARE(withoutRatio(f.picture()->image()), f.pageAtActualSize(page));
}

void TestPreview::zoomToggle_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("positions");
    // 823 x 363 / 726 - 150 x 726 / 363 = 111; 1152 x 229 / 458 - 50 x 458 / 229 = 476.
    QTest::newRow("middle of the window") << QPoint(363, 229) << QPoint(111, 476);
    QTest::newRow("screen column 0") << QPoint(0, 229) << QPoint(0, 476);
    QTest::newRow("screen row 0") << QPoint(363, 0) << QPoint(111, 0);
    QTest::newRow("near the left edge") << QPoint(10, 229) << QPoint(0, 476);
}

void TestPreview::zoomToggle()
{
    QFETCH(QPoint, cursor);
    Fixture f;
    f.printer->sheetDots = QSize(4961, 7016);
    f.open();
    QCOMPARE(f.preview->size(), InitialSize);

    f.preview->toggleZoom(cursor);
    QCOMPARE(f.preview->PreviewZoom(), 100);
    QCOMPARE(f.pictureGeometry(), QRect(15, 15, 793, 1122));
    QCOMPARE(f.ranges(), QSize(793 + 30, 1122 + 30));
    QTEST(f.positions(), "positions");

    f.preview->toggleZoom(cursor);
    QCOMPARE(f.preview->PreviewZoom(), 38);
    QCOMPARE(f.pictureGeometry(), QRect((726 - 301) / 2, (428 - 426) / 2, 301, 426));
    QCOMPARE(f.positions(), QPoint(0, 0));
    // Nothing to scroll: the whole page is in view.
    QVERIFY(f.ranges().width() <= 726 && f.ranges().height() <= 428);
}

void TestPreview::clickOnThePictureTogglesTheZoom()
{
    Fixture f;
    f.open();
    const int zoom = f.preview->PreviewZoom();
    QTest::mouseClick(f.picture(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(f.preview->PreviewZoom(), 100);
    QTest::mouseClick(f.picture(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(f.preview->PreviewZoom(), zoom);
}

void TestPreview::wheel_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QPoint>("positions");
    // From (50, 100) at actual size: the window scrolls 40 per notch, 60
    // when the scroll area has the focus; never below 0.
    QTest::newRow("down, button focused") << "bitbtnExit" << -120 << QPoint(90, 140);
    QTest::newRow("up, button focused") << "bitbtnExit" << 120 << QPoint(10, 60);
    QTest::newRow("down, scroll area focused") << "ScrollBox1" << -120 << QPoint(110, 160);
    QTest::newRow("up, scroll area focused") << "ScrollBox1" << 120 << QPoint(0, 40);
    QTest::newRow("two notches up") << "bitbtnExit" << 240 << QPoint(0, 20);
    QTest::newRow("half a notch") << "bitbtnExit" << -60 << QPoint(50, 100);
}

void TestPreview::wheel()
{
    QFETCH(QString, focus);
    QFETCH(int, delta);
    Fixture f;
    f.printer->sheetDots = QSize(4961, 7016);
    f.open();
    f.preview->toggleZoom(QPoint(0, 0));
    f.preview->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), f.preview.data());
    f.preview->findChild<QWidget *>(focus)->setFocus(Qt::OtherFocusReason);
    f.box()->setPosition(Qt::Horizontal, 50);
    f.box()->setPosition(Qt::Vertical, 100);
    QCOMPARE(f.positions(), QPoint(50, 100));

    const QPointF at(10, 10);
    QWheelEvent event(at, f.preview->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.preview, &event);
    QTEST(f.positions(), "positions");
    // The picture moves with the view.
    QCOMPARE(f.picture()->pos(), f.box()->picturePlace() - f.positions());
}

void TestPreview::closingHides_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("退出") << "退出";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close button") << "close";
}

void TestPreview::closingHides()
{
    QFETCH(QString, how);
    Fixture f;
    f.open();
    if (how == "退出")
        QTest::mouseClick(f.button("bitbtnExit"), Qt::LeftButton);
    else if (how == "Esc")
        QTest::keyClick(f.preview, Qt::Key_Escape);
    else
        f.preview->close();
    QVERIFY(f.preview->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.preview);
    QCOMPARE(TFrm_Preview::current(), f.preview.data());
    QVERIFY(QFileInfo::exists(PageFileName(ProgramPageFolder(), 2)));
}

void TestPreview::nextPreviewDropsAClosedOne()
{
    Fixture f;
    f.open();
    QPointer<TFrm_Preview> first = f.preview;
    first->close();
    f.open();
    QCOMPARE(TFrm_Preview::current(), f.preview.data());
    QVERIFY(first != f.preview);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
}

void TestPreview::noReportNoWindow()
{
    Fixture f;
    f.open();
    QPointer<TFrm_Preview> first = f.preview;
    f.windowOpen = false;
    QVERIFY_THROWS_EXCEPTION(std::exception, TFrm_Preview::OpenPreview(nullptr, f.source()));
    QCOMPARE(TFrm_Preview::current(), first.data());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                 [](QWidget *w) { return qobject_cast<TFrm_Preview *>(w) != nullptr; }),
        1);
}

void TestPreview::pageSetupConfirmedWithLandscape()
{
    Fixture f;
    f.open();
    const int zoom = f.preview->PreviewZoom();
    const QSize portrait = f.preview->PagePixels();
    f.button("bitbtnNext")->click();
    f.picture()->clear();

    inPageSetup(f.preview, [](TFrm_PageSetup *dialog) { turnToLandscapeAndClose(dialog, "BBT_OK"); });

    QCOMPARE(OutputProcess.CurrentPageSettings.PageOrientation, 1);
    QCOMPARE(QSize(OutputProcess.CurrentPageSettings.PageWidth, OutputProcess.CurrentPageSettings.PageHeight),
        QSize(297, 210));
    QCOMPARE(f.log, QStringList { "modified" });
    QCOMPARE(f.preview->PreviewZoom(), zoom);
    QCOMPARE(f.preview->PagePixels(), portrait.transposed());
    const QSize picture(portrait.height() * zoom / 100, portrait.width() * zoom / 100);
    QCOMPARE(f.pictureGeometry(), QRect((726 - picture.width()) / 2, 5, picture.width(), picture.height()));
    QVERIFY(f.picture()->isVisible());
    QVERIFY(f.preview->updatesEnabled());
    QCOMPARE(f.preview->CurrentPage(), 2);
    QVERIFY(!f.button("bitbtnNext")->isEnabled());
    // The page shown is drawn anew, on the landscape sheet.
    QVERIFY(hasInk(f.picture()->image()));
    f.preview->toggleZoom(QPoint(0, 0));
    QCOMPARE(withoutRatio(f.picture()->image()), f.pageAtActualSize(2));
    QCOMPARE(f.picture()->size(), portrait.transposed());
}

void TestPreview::pageSetupCancelledKeepsThePaper()
{
    Fixture f;
    f.open();
    const TPageSettings before = OutputProcess.CurrentPageSettings;
    const QRect picture = f.pictureGeometry();

    inPageSetup(f.preview, [](TFrm_PageSetup *dialog) { turnToLandscapeAndClose(dialog, "BBT_Cancel"); });

    QCOMPARE(OutputProcess.CurrentPageSettings, before);
    QCOMPARE(OutputProcess.PrinterPageGeometry.PageWidth, 210);
    QCOMPARE(OutputProcess.PrinterPageGeometry.PageHeight, 297);
    QVERIFY(f.log.isEmpty());
    QCOMPARE(f.pictureGeometry(), picture);
    // The printer is back on the portrait sheet the preview shows.
    const QSize sheet = CurrentPrinter::device().physicalPageSize();
    QVERIFY(sheet.width() < sheet.height());
    f.preview->toggleZoom(QPoint(0, 0));
    QCOMPARE(withoutRatio(f.picture()->image()), f.pageAtActualSize(1));
}

void TestPreview::pageSetupWithoutAReport()
{
    Fixture f;
    f.open();
    f.picture()->clear();
    f.windowOpen = false;
    f.button("bitbtnPrintSetup")->click();
    verifyOnlyMessage(QStringLiteral("页面设置窗口错误!"), PromptIcon::Error);
    // The page is drawn again all the same.
    QVERIFY(hasInk(f.picture()->image()));
}

void TestPreview::relayoutTakesTheTextsOfTheMoment()
{
    Fixture f;
    f.open();
    f.texts.setText("Client", "王五"); // edited in the window, not saved
    QCOMPARE(ReadPageValues(PageFileName(ProgramPageFolder(), 1), CoverValueCount)->at(CoverValue::Client),
        QStringLiteral("张三"));
    f.preview->relayout();
    QVERIFY(!f.preview->updatesEnabled());
    QVERIFY(f.picture()->isHidden());
    QCOMPARE(ReadPageValues(PageFileName(ProgramPageFolder(), 1), CoverValueCount)->at(CoverValue::Client),
        QStringLiteral("王五"));
}

void TestPreview::printButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("fromPage");
    QTest::addColumn<QStringList>("pageTexts"); // a text of each page printed, in order
    QTest::newRow("all pages") << "bitbtnPrintAll" << 1 << QStringList { "负责人", "一、委托单位" };
    QTest::newRow("all pages from page 2")
        << "bitbtnPrintAll" << 2 << QStringList { "负责人", "一、委托单位" };
    QTest::newRow("current page 1") << "bitbtnPrintCurrent" << 1 << QStringList { "负责人" };
    QTest::newRow("current page 2") << "bitbtnPrintCurrent" << 2 << QStringList { "一、委托单位" };
}

void TestPreview::printButtons()
{
    QFETCH(QString, button);
    QFETCH(int, fromPage);
    QFETCH(QStringList, pageTexts);
    Fixture f;
    f.file.storePaper("B5", 257, 182, 1);
    f.open();
    if (fromPage == 2)
        f.button("bitbtnNext")->click();
    const QString pdf = f.file.dir.filePath("printed.pdf");
    Prompt::setNextFileName(pdf);
    f.button(qPrintable(button))->click();

    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().kind, PromptKind::SaveFile);
    QCOMPARE(Prompt::shown().first().fileName, QStringLiteral("2004-008 广州市越秀区东风路1号.pdf"));
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), pageTexts.size());
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY2(sameSizeMM(pages[i].sizeMM, QSizeF(257, 182)),
            qPrintable(QStringLiteral("%1 x %2").arg(pages[i].sizeMM.width()).arg(pages[i].sizeMM.height())));
        QVERIFY2(pages[i].text.contains(pageTexts[i]), qPrintable(pages[i].text));
    }
}

// The page files hold the report as it was when the preview opened; the
// signature sections are read from the active report each time the body
// is drawn.
void TestPreview::signaturesAreReadWhenThePageIsDrawn()
{
    Fixture f;
    f.open();
    f.texts.setText("Surveyor", "赵工");
    f.texts.setText("Client", "王五");
    const QString pdf = f.file.dir.filePath("body.pdf");
    Prompt::setNextFileName(pdf);
    f.button("bitbtnNext")->click();
    f.button("bitbtnPrintCurrent")->click();
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QVERIFY2(pages[0].text.contains("赵工"), qPrintable(pages[0].text));
    QVERIFY(!pages[0].text.contains("李工"));
    QVERIFY(pages[0].text.contains("张三"));
    QVERIFY(!pages[0].text.contains("王五"));
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
