#include "base/processstate.h"
#include "base/prompt.h"
#include "output/fontsubstitutes.h"
#include "output/outputstate.h"
#include "output/pagesettingsstore.h"
#include "preview/pagesetupdialog.h"
#include "printing/currentprinter.h"
#include "printing/printerpage.h"
#include "promptcheck.h"
#include "reportfile.h"
#include "testdevice.h"
#include "widgets/numberedit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString TestPrinterName = QStringLiteral("测试打印机");
const QString Custom = QStringLiteral("自定义纸张");

// Records what the page setup dialog asks of an open preview, with the
// page size the settings have when the preview is laid out anew.
class RecordingPreview : public PreviewHooks
{
public:
    explicit RecordingPreview(QStringList &log)
        : m_log(log)
    { }
    void relayout() override
    {
        const TPageSettings &page = OutputProcess.CurrentPageSettings;
        m_log << QStringLiteral("relayout %1x%2").arg(page.PageWidth).arg(page.PageHeight);
    }
    void setPictureVisible(bool visible) override { m_log << (visible ? "picture shown" : "picture hidden"); }
    void setRepaintingSuspended(bool suspended) override
    {
        m_log << (suspended ? "repainting suspended" : "repainting resumed");
    }

private:
    QStringList &m_log;
};

TPageSettings paper(const QString &style, int width, int height, int orientation = 0)
{
    TPageSettings page;
    page.PageStyle = style;
    page.PageWidth = width;
    page.PageHeight = height;
    page.PageOrientation = orientation;
    return page;
}

// Settings that differ from the initial values in every field.
TPageSettings unusual()
{
    TPageSettings s = paper("B5", 257, 182, 1);
    s.TopMargin = 11;
    s.BottomMargin = 12;
    s.LeftMargin = 13;
    s.RightMargin = 14;
    s.FooterMargin = 9;
    s.CovOffsetRightSpace = 5;
    s.CovOffsetBottomSpace = 6;
    s.CovRowSpace = -2;
    s.CovPrnSelAppraisor = 0;
    s.CovPrnSelAssessor = 1;
    s.CovPrnSelAuthorizedMan = 0;
    s.ApprCircsRowCount = 70;
    s.ShatterReasonRowCount = 21;
    s.ApprConclusionRowCount = 22;
    s.DisposalAdviRowCount = 23;
    s.RowMaxCharCount = 40;
    s.ClientWidth = 60;
    s.PhoneWidth = 30;
    return s;
}

// The page settings held by the report's row (edited or stored).
TPageSettings rowSettings(DataSet &reports)
{
    const TPageSettings current = OutputProcess.CurrentPageSettings;
    LoadPageSettingsFromRow(reports);
    const TPageSettings row = OutputProcess.CurrentPageSettings;
    OutputProcess.CurrentPageSettings = current;
    return row;
}

TPageSettings configDefaults()
{
    const TPageSettings current = OutputProcess.CurrentPageSettings;
    LoadPageDefaults();
    const TPageSettings defaults = OutputProcess.CurrentPageSettings;
    OutputProcess.CurrentPageSettings = current;
    return defaults;
}

QSize printerSheetMM()
{
    const QSize dots = CurrentPrinter::device().physicalPageSize();
    const QSize dpi = CurrentPrinter::device().resolution();
    return QSize(DotsToMM(dots.width(), dpi.width()), DotsToMM(dots.height(), dpi.height()));
}

// A report window's report with its page settings, the current printer,
// and the page setup dialog opened on them.
struct Fixture
{
    Fixture()
    {
        printer = &installTestDevice(TestPrinterName);
        TFrm_PageSetup::resetReferenceSize();
    }

    // Stores the settings into the report's row, loads them as a report
    // window does, then opens the dialog and makes it the active window.
    bool open(const TPageSettings &page, bool withPreview = false)
    {
        OutputProcess.CurrentPageSettings = page;
        file.reports.edit();
        StorePageSettingsToRow(file.reports);
        file.reports.post();
        OutputProcess.CurrentPageSettings = TPageSettings::unloaded();
        LoadPageSettingsFromRow(file.reports);
        PageSetupTarget target;
        target.reports = &file.reports;
        target.markModified = [this] { log << "modified"; };
        target.preview = withPreview ? &preview : nullptr;
        dialog = std::make_unique<TFrm_PageSetup>(nullptr, target);
        dialog->show();
        dialog->activateWindow();
        return QTest::qWaitForWindowActive(dialog.get());
    }

    template<typename T> T *find(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    NumberEdit *box(const char *name) const { return find<NumberEdit>(name); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    QTabWidget *pages() const { return find<QTabWidget>("PageControl1"); }
    QComboBox *pageStyle() const { return find<QComboBox>("CBB_PageStyle"); }
    QRadioButton *portrait() const { return find<QRadioButton>("RB_Portrait"); }
    QRadioButton *landscape() const { return find<QRadioButton>("RB_Landscape"); }
    QLabel *thumbnail() const { return find<QLabel>("Img"); }
    QSize boxes() const { return QSize(box("SPE_PageWidth")->value(), box("SPE_PageHeight")->value()); }

    // Shows the box's tab, enters the box, replaces its text by typing and
    // leaves it for the 打印机... button.
    void typeAndLeave(NumberEdit *field, const QString &text)
    {
        enter(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        button("BBT_Printer")->setFocus(Qt::TabFocusReason);
    }
    void enter(QWidget *widget)
    {
        for (int i = 0; i < pages()->count(); ++i)
            if (pages()->widget(i)->isAncestorOf(widget))
                pages()->setCurrentIndex(i);
        widget->setFocus(Qt::TabFocusReason);
    }
    // Selects an item of the paper drop-down as the user does.
    void choosePaper(const QString &style)
    {
        const int index = pageStyle()->findText(style);
        pageStyle()->setCurrentIndex(index);
        emit pageStyle()->activated(index);
    }
    void answerAndClick(const char *name, PromptButton answer)
    {
        Prompt::setNextAnswer(answer);
        QTest::mouseClick(button(name), Qt::LeftButton);
    }
    void close(const QString &how)
    {
        if (how == "确定")
            QTest::mouseClick(button("BBT_OK"), Qt::LeftButton);
        else if (how == "取消")
            QTest::mouseClick(button("BBT_Cancel"), Qt::LeftButton);
        else if (how == "Esc")
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->close(); // the title bar's close button
        QVERIFY(dialog->isHidden());
    }

    ReportFile file { 1 };
    TestDevice *printer = nullptr;
    QStringList log;
    RecordingPreview preview { log };
    std::unique_ptr<TFrm_PageSetup> dialog;
};

} // namespace

class TestPageSetup : public QObject
{
    Q_OBJECT

private slots:
    void dialogAndTabs();
    void numberBoxes_data();
    void numberBoxes();
    void opensWithTheCurrentSettingsShown_data();
    void opensWithTheCurrentSettingsShown();
    void defaultsThenCancel_data();
    void defaultsThenCancel();
    void initialValuesThenClosing_data();
    void initialValuesThenClosing();
    void typedPaperStyleIsTakenOnConfirm_data();
    void typedPaperStyleIsTakenOnConfirm();
    void typedPageSize_data();
    void typedPageSize();
    void otherBoxesLeft_data();
    void otherBoxesLeft();
    void refusedValueDropsTheClickThatLeftTheBox();
    void enterConfirmsWithoutLeavingTheBox();
    void choosingPaperReadsTheSheetBack_data();
    void choosingPaperReadsTheSheetBack();
    void paperThePrinterRefuses();
    void orientationButtons_data();
    void orientationButtons();
    void thumbnailSize_data();
    void thumbnailSize();
    void thumbnailLines();
    void thumbnailStaysBelowTheFrameCaption_data();
    void thumbnailStaysBelowTheFrameCaption();
    void centredOnTheMainWindowFromAWindowOfItsOwn();
    void changingTabsMovesThePreviewFrame();
    void printerAfterClosing_data();
    void printerAfterClosing();
    void previewFollowsTheClosing_data();
    void previewFollowsTheClosing();
    void printerButton_data();
    void printerButton();
    void cancelGivesTheRestoredPaperToANewlyChosenPrinter();
    void confirmWhenTheRowCannotBeWritten();
    void undrawableLengthIsRefused_data();
    void undrawableLengthIsRefused();
    void entryPointRunsTheDialogModally();
};

void TestPageSetup::dialogAndTabs()
{
    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    TFrm_PageSetup &d = *f.dialog;
    QCOMPARE(d.windowTitle(), QStringLiteral("页面设置"));
    QCOMPARE(d.size(), QSize(539, 274));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.font().family(), QStringLiteral("宋体"));
    QCOMPARE(d.font().pointSize(), 9);
    QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);

    QTabWidget *pages = f.pages();
    const QStringList tabs { "页面大小", "页边距", "封面设置", "表格行高/字符数", "表格栏宽" };
    QCOMPARE(pages->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(pages->tabText(i), tabs.at(i));
    QCOMPARE(pages->currentIndex(), 0);

    QComboBox *style = f.pageStyle();
    QVERIFY(style->isEditable());
    QCOMPARE(style->count(), 3);
    QCOMPARE(QStringList({ style->itemText(0), style->itemText(1), style->itemText(2) }),
        QStringList({ "B5", "A4", "自定义纸张" }));
    auto *orientation = f.portrait()->parentWidget();
    QVERIFY(qobject_cast<QGroupBox *>(orientation));
    QCOMPARE(static_cast<QGroupBox *>(orientation)->title(), QStringLiteral("方向"));
    QCOMPARE(f.portrait()->text(), QStringLiteral("纵向"));
    QCOMPARE(f.landscape()->text(), QStringLiteral("横向"));
    QCOMPARE(f.landscape()->parentWidget(), orientation);
    for (const char *picture : { "Image1", "Image2" }) {
        QVERIFY(f.find<QLabel>(picture));
        QCOMPARE(f.find<QLabel>(picture)->size(), QSize(32, 32));
    }

    auto *signatories = f.find<QListWidget>("CLB_CovPrintSel");
    QVERIFY(pages->widget(2)->isAncestorOf(signatories));
    QCOMPARE(static_cast<QGroupBox *>(signatories->parentWidget())->title(), QStringLiteral("打印选择"));
    QCOMPARE(signatories->count(), 3);
    QCOMPARE(signatories->item(0)->text(), QStringLiteral("鉴定人"));
    QCOMPARE(signatories->item(1)->text(), QStringLiteral("审核人"));
    QCOMPARE(signatories->item(2)->text(), QStringLiteral("审定人"));

    const QList<QPair<const char *, QString>> buttons { { "BBT_Printer", "打印机..." },
        { "BBT_Default", "默认..." }, { "BBT_InitValue", "初始值..." }, { "BBT_OK", "确定" },
        { "BBT_Cancel", "取消" } };
    for (const auto &[name, caption] : buttons) {
        QVERIFY2(f.button(name), name);
        QCOMPARE(f.button(name)->text(), caption);
        QVERIFY(!pages->isAncestorOf(f.button(name)));
        QCOMPARE(f.button(name)->isDefault(), caption == "确定");
    }

    auto *preview = f.find<QGroupBox>("GB_Preview");
    QCOMPARE(preview->title(), QStringLiteral("预览"));
    QCOMPARE(preview->geometry(), QRect(238, 40, 157, 105));
    QCOMPARE(preview->parentWidget(), pages->widget(0));
    QCOMPARE(f.thumbnail()->parentWidget(), preview);
}

void TestPageSetup::numberBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("frame"); // title of the frame around the box, if any
    QTest::addColumn<bool>("millimetres");

    QTest::newRow("width") << "SPE_PageWidth" << 0 << "宽度:"
                           << "" << true;
    QTest::newRow("height") << "SPE_PageHeight" << 0 << "高度:"
                            << "" << true;
    QTest::newRow("top") << "SPE_TopMargin" << 1 << "上边距:"
                         << "" << true;
    QTest::newRow("bottom") << "SPE_BottomMargin" << 1 << "下边距:"
                            << "" << true;
    QTest::newRow("left") << "SPE_LeftMargin" << 1 << "左边距:"
                          << "" << true;
    QTest::newRow("right") << "SPE_RightMargin" << 1 << "右边距:"
                           << "" << true;
    QTest::newRow("footer") << "SPE_FooterMargin" << 1 << "页脚:"
                            << "距边界" << true;
    QTest::newRow("cover right") << "SPE_CovOffsetRightSpace" << 2 << "向右:"
                                 << "文字偏移" << true;
    QTest::newRow("cover down") << "SPE_CovOffsetBottomSpace" << 2 << "向下:"
                                << "文字偏移" << true;
    QTest::newRow("cover rows") << "SPE_CovRowSpace" << 2 << "行距调整:"
                                << "文字偏移" << true;
    QTest::newRow("findings") << "SPE_ApprCircsRowCount" << 3 << "检查情况:"
                              << "表格行高" << true;
    QTest::newRow("causes") << "SPE_ShatterReason_RowLine" << 3 << "损坏原因分析:"
                            << "表格行高" << true;
    QTest::newRow("conclusion") << "SPE_ApprConclusionRowLine" << 3 << "鉴定结论:"
                                << "表格行高" << true;
    QTest::newRow("advice") << "SPE_DisposalAdviRowLine" << 3 << "处理建议:"
                            << "表格行高" << true;
    QTest::newRow("characters") << "SPE_RowMaxCharCount" << 3 << "每行字符数:"
                                << "" << false;
    QTest::newRow("client") << "SPE_ClientWidth" << 4 << "委托人:"
                            << "" << true;
    QTest::newRow("phone") << "SPE_PhoneWidth" << 4 << "电话:"
                           << "" << true;
}

// Each box with its caption, unit and place; a text that is not a whole
// number reads as 0 and there are no bounds.
void TestPageSetup::numberBoxes()
{
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(QString, frame);
    QFETCH(bool, millimetres);

    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    NumberEdit *box = f.box(name.toLatin1().constData());
    QVERIFY(box);
    QVERIFY(f.pages()->widget(tab)->isAncestorOf(box));
    auto *group = qobject_cast<QGroupBox *>(box->parentWidget());
    QCOMPARE(group ? group->title() : QString(), frame);

    QLabel *captionLabel = nullptr;
    bool unit = false;
    for (QLabel *l : box->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (l->buddy() == box)
            captionLabel = l;
        const bool sameRow = qAbs(l->geometry().center().y() - box->geometry().center().y()) < 6;
        if (sameRow && l->text() == "毫米" && l->x() > box->geometry().right())
            unit = true;
    }
    QVERIFY(captionLabel);
    QCOMPARE(captionLabel->text(), caption);
    QVERIFY(captionLabel->geometry().right() < box->x());
    QCOMPARE(unit, millimetres);

    QCOMPARE(box->minimum(), box->maximum());
    box->setValue(-123456);
    QCOMPARE(box->value(), -123456);
    box->setText("12.5");
    QCOMPARE(box->value(), 0);
    box->setText("");
    QCOMPARE(box->value(), 0);
}

void TestPageSetup::opensWithTheCurrentSettingsShown_data()
{
    QTest::addColumn<TPageSettings>("page");
    QTest::addColumn<int>("styleIndex");

    QTest::newRow("initial values") << TPageSettings() << 1;
    QTest::newRow("every field changed") << unusual() << 0;
    QTest::newRow("typed paper style") << paper("Letter", 216, 279) << -1;
    TPageSettings flags = paper(Custom, 150, 200, -1);
    flags.CovPrnSelAppraisor = 2; // any value but 0 is checked
    flags.CovPrnSelAssessor = 0;
    flags.CovPrnSelAuthorizedMan = -1;
    QTest::newRow("odd flags and orientation") << flags << 2;
}

void TestPageSetup::opensWithTheCurrentSettingsShown()
{
    QFETCH(TPageSettings, page);
    QFETCH(int, styleIndex);

    Fixture f;
    QVERIFY(f.open(page));
    QCOMPARE(f.pageStyle()->currentText(), page.PageStyle);
    QCOMPARE(f.pageStyle()->currentIndex(), styleIndex);
    QCOMPARE(f.boxes(), QSize(page.PageWidth, page.PageHeight));
    const bool upright = page.PageOrientation == 0;
    QCOMPARE(f.portrait()->isChecked(), upright);
    QCOMPARE(f.landscape()->isChecked(), !upright);
    QCOMPARE(f.find<QLabel>("Image1")->isVisible(), upright);
    QCOMPARE(f.find<QLabel>("Image2")->isVisible(), !upright);

    const QList<QPair<const char *, int>> values { { "SPE_TopMargin", page.TopMargin },
        { "SPE_BottomMargin", page.BottomMargin }, { "SPE_LeftMargin", page.LeftMargin },
        { "SPE_RightMargin", page.RightMargin }, { "SPE_FooterMargin", page.FooterMargin },
        { "SPE_CovOffsetRightSpace", page.CovOffsetRightSpace },
        { "SPE_CovOffsetBottomSpace", page.CovOffsetBottomSpace }, { "SPE_CovRowSpace", page.CovRowSpace },
        { "SPE_ApprCircsRowCount", page.ApprCircsRowCount },
        { "SPE_ShatterReason_RowLine", page.ShatterReasonRowCount },
        { "SPE_ApprConclusionRowLine", page.ApprConclusionRowCount },
        { "SPE_DisposalAdviRowLine", page.DisposalAdviRowCount },
        { "SPE_RowMaxCharCount", page.RowMaxCharCount }, { "SPE_ClientWidth", page.ClientWidth },
        { "SPE_PhoneWidth", page.PhoneWidth } };
    for (const auto &[name, value] : values)
        QCOMPARE(f.box(name)->value(), value);
    auto *signatories = f.find<QListWidget>("CLB_CovPrintSel");
    const int flags[] = { page.CovPrnSelAppraisor, page.CovPrnSelAssessor, page.CovPrnSelAuthorizedMan };
    for (int i = 0; i < 3; ++i)
        QCOMPARE(signatories->item(i)->checkState() == Qt::Checked, flags[i] != 0);

    // Opening alone neither asks, nor touches the printer, nor changes the settings.
    QVERIFY(Prompt::shown().isEmpty());
    QVERIFY(f.printer->applied.isEmpty());
    QCOMPARE(OutputProcess.CurrentPageSettings, page);
}

void TestPageSetup::defaultsThenCancel_data()
{
    QTest::addColumn<PromptButton>("answer");
    QTest::newRow("yes writes config.ini") << PromptButton::Yes;
    QTest::newRow("no writes nothing") << PromptButton::No;
}

void TestPageSetup::defaultsThenCancel()
{
    QFETCH(PromptButton, answer);

    Fixture f;
    const TPageSettings opening = unusual();
    QVERIFY(f.open(opening));
    f.typeAndLeave(f.box("SPE_TopMargin"), "30");
    f.find<QListWidget>("CLB_CovPrintSel")->item(0)->setCheckState(Qt::Checked);

    f.answerAndClick("BBT_Default", answer);
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &question = Prompt::shown().first();
    QCOMPARE(question.text, QStringLiteral("是否更改页的默认设置?\r此更改将影响所有新增的鉴定报告。"));
    QCOMPARE(question.icon, PromptIcon::Question);
    QCOMPARE(question.buttons, PromptButton::Yes | PromptButton::No);
    QCOMPARE(question.caption, AppTitle);

    TPageSettings edited = opening;
    edited.TopMargin = 30;
    edited.CovPrnSelAppraisor = 1;
    if (answer == PromptButton::Yes) {
        QCOMPARE(OutputProcess.CurrentPageSettings, edited);
        QCOMPARE(configDefaults(), edited);
    } else {
        QVERIFY(!QFile::exists(f.file.dir.filePath("config.ini")));
    }

    f.close("取消");
    QCOMPARE(OutputProcess.CurrentPageSettings, opening);
    QCOMPARE(configDefaults(), answer == PromptButton::Yes ? edited : TPageSettings());
    QCOMPARE(f.file.reports.state(), DataSet::State::Browse);
    QCOMPARE(rowSettings(f.file.reports), opening);
    QVERIFY(f.log.isEmpty());
    QCOMPARE(Prompt::shown().size(), 1);
}

void TestPageSetup::initialValuesThenClosing_data()
{
    QTest::addColumn<QString>("closing");
    QTest::addColumn<PromptButton>("answer");
    QTest::addColumn<TPageSettings>("current");
    QTest::addColumn<TPageSettings>("row");
    QTest::addColumn<bool>("modified");

    QTest::newRow("确定 stores them")
        << "确定" << PromptButton::Yes << TPageSettings() << TPageSettings() << true;
    QTest::newRow("取消 leaves nothing") << "取消" << PromptButton::Yes << unusual() << unusual() << false;
    QTest::newRow("close button keeps them, stores nothing")
        << "close" << PromptButton::Yes << TPageSettings() << unusual() << false;
    QTest::newRow("declined, then 确定") << "确定" << PromptButton::No << unusual() << unusual() << true;
}

void TestPageSetup::initialValuesThenClosing()
{
    QFETCH(QString, closing);
    QFETCH(PromptButton, answer);

    Fixture f;
    QVERIFY(f.open(unusual()));
    f.answerAndClick("BBT_InitValue", answer);
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text, QStringLiteral("是否将当前页面设置恢复到初始值?"));
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Question);
    QCOMPARE(Prompt::shown().first().buttons, PromptButton::Yes | PromptButton::No);
    if (answer == PromptButton::Yes) {
        QCOMPARE(f.pageStyle()->currentText(), QStringLiteral("A4"));
        QCOMPARE(f.boxes(), QSize(210, 297));
        QVERIFY(f.portrait()->isChecked());
        QVERIFY(f.find<QLabel>("Image1")->isVisible());
        QCOMPARE(f.box("SPE_CovRowSpace")->value(), 0);
        QCOMPARE(f.find<QListWidget>("CLB_CovPrintSel")->item(2)->checkState(), Qt::Checked);
    }

    f.close(closing);
    QTEST(OutputProcess.CurrentPageSettings, "current");
    QTEST(rowSettings(f.file.reports), "row");
    QTEST(f.log.contains("modified"), "modified");
    QVERIFY(!QFile::exists(f.file.dir.filePath("config.ini")));
    QVERIFY(f.printer->applied.isEmpty());
}

void TestPageSetup::typedPaperStyleIsTakenOnConfirm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("a style of one's own") << "Letter"
                                          << "Letter";
    QTest::newRow("no longer than the column") << "ABCDEFGHIJKLMNOPQRSTUVWXY"
                                               << "ABCDEFGHIJKLMNOPQRST";
}

// Typing a style has no immediate effect; 确定 takes it.
void TestPageSetup::typedPaperStyleIsTakenOnConfirm()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    f.enter(f.pageStyle());
    f.pageStyle()->lineEdit()->selectAll();
    QTest::keyClicks(f.pageStyle()->lineEdit(), typed);
    QCOMPARE(OutputProcess.CurrentPageSettings.PageStyle, QStringLiteral("A4"));
    QVERIFY(f.printer->applied.isEmpty());

    f.close("确定");
    QCOMPARE(OutputProcess.CurrentPageSettings.PageStyle, stored);
    QCOMPARE(rowSettings(f.file.reports).PageStyle, stored);
    QVERIFY(Prompt::shown().isEmpty());
}

void TestPageSetup::typedPageSize_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<TPageSettings>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QSize>("current");

    const QString tooNarrow = "设置值不能小于 50，设为默认值";
    const QString tooShort = "设置值不能小于 85，设为默认值";
    const TPageSettings a4 = paper("A4", 210, 297);
    const TPageSettings b5 = paper("B5", 182, 257);

    QTest::newRow("300 wide makes custom paper") << "SPE_PageWidth" << a4 << "300"
                                                 << "" << QSize(300, 297) << Custom << QSize(300, 297);
    QTest::newRow("40 wide is refused, A4 stays")
        << "SPE_PageWidth" << a4 << "40" << tooNarrow << QSize(210, 297) << "A4" << QSize(210, 297);
    QTest::newRow("40 wide on B5: 210 is no B5 width")
        << "SPE_PageWidth" << b5 << "40" << tooNarrow << QSize(210, 257) << Custom << QSize(210, 257);
    QTest::newRow("50 wide is allowed") << "SPE_PageWidth" << a4 << "50"
                                        << "" << QSize(50, 297) << Custom << QSize(50, 297);
    QTest::newRow("a fraction reads as 0")
        << "SPE_PageWidth" << a4 << "60.5" << tooNarrow << QSize(210, 297) << "A4" << QSize(210, 297);
    QTest::newRow("negative width") << "SPE_PageWidth" << b5 << "-300" << tooNarrow << QSize(210, 257)
                                    << Custom << QSize(210, 257);
    QTest::newRow("the same width keeps the style") << "SPE_PageWidth" << b5 << "182"
                                                    << "" << QSize(182, 257) << "B5" << QSize(182, 257);
    QTest::newRow("84 high is refused")
        << "SPE_PageHeight" << a4 << "84" << tooShort << QSize(210, 297) << "A4" << QSize(210, 297);
    QTest::newRow("85 high is allowed") << "SPE_PageHeight" << a4 << "85"
                                        << "" << QSize(210, 85) << Custom << QSize(210, 85);
    QTest::newRow("400 high makes custom paper") << "SPE_PageHeight" << b5 << "400"
                                                 << "" << QSize(182, 400) << Custom << QSize(182, 400);
}

void TestPageSetup::typedPageSize()
{
    QFETCH(QString, box);
    QFETCH(TPageSettings, page);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, style);

    Fixture f;
    QVERIFY(f.open(page));
    NumberEdit *field = f.box(box.toLatin1().constData());
    f.typeAndLeave(field, typed);

    if (message.isEmpty()) {
        QVERIFY(Prompt::shown().isEmpty());
        QVERIFY(!field->hasFocus());
    } else {
        verifyOnlyMessage(message, PromptIcon::Error);
        QVERIFY(field->hasFocus());
    }
    QTEST(f.boxes(), "shown");
    QCOMPARE(f.pageStyle()->currentText(), style);
    QCOMPARE(OutputProcess.CurrentPageSettings.PageStyle, style);
    const TPageSettings &current = OutputProcess.CurrentPageSettings;
    QTEST(QSize(current.PageWidth, current.PageHeight), "current");
    QVERIFY(f.printer->applied.isEmpty());
}

void TestPageSetup::otherBoxesLeft_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("shown");

    const QString findings = "设置值不能小于 10，设为默认值";
    const QString characters = "设置值不能小于 20，设为默认值";
    QTest::newRow("findings 5") << "SPE_ApprCircsRowCount"
                                << "5" << findings << 88;
    QTest::newRow("findings 9") << "SPE_ApprCircsRowCount"
                                << "9" << findings << 88;
    QTest::newRow("findings 10") << "SPE_ApprCircsRowCount"
                                 << "10"
                                 << "" << 10;
    QTest::newRow("findings not a number") << "SPE_ApprCircsRowCount"
                                           << "+" << findings << 88;
    QTest::newRow("characters 19") << "SPE_RowMaxCharCount"
                                   << "19" << characters << 49;
    QTest::newRow("characters 20") << "SPE_RowMaxCharCount"
                                   << "20"
                                   << "" << 20;
    QTest::newRow("causes accept 5") << "SPE_ShatterReason_RowLine"
                                     << "5"
                                     << "" << 5;
    QTest::newRow("advice accept 0") << "SPE_DisposalAdviRowLine"
                                     << "0"
                                     << "" << 0;
    QTest::newRow("negative margin") << "SPE_TopMargin"
                                     << "-5"
                                     << "" << -5;
    QTest::newRow("negative row space") << "SPE_CovRowSpace"
                                        << "-3"
                                        << "" << -3;
    QTest::newRow("zero client width") << "SPE_ClientWidth"
                                       << "0"
                                       << "" << 0;
}

// Only 检查情况 and 每行字符数 are checked; the current settings learn
// the boxes when the controls are taken.
void TestPageSetup::otherBoxesLeft()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    Fixture f;
    QVERIFY(f.open(unusual()));
    NumberEdit *field = f.box(box.toLatin1().constData());
    f.typeAndLeave(field, typed);

    if (message.isEmpty()) {
        QVERIFY(Prompt::shown().isEmpty());
        QVERIFY(!field->hasFocus());
    } else {
        verifyOnlyMessage(message, PromptIcon::Error);
        QVERIFY(field->hasFocus());
    }
    QTEST(field->value(), "shown");
    QCOMPARE(OutputProcess.CurrentPageSettings, unusual());
}

// A click on a button that moves the focus out of a refused box does not
// act: the box keeps the focus with its default value.
void TestPageSetup::refusedValueDropsTheClickThatLeftTheBox()
{
    Fixture f;
    QVERIFY(f.open(paper("A4", 210, 297)));
    NumberEdit *width = f.box("SPE_PageWidth");
    f.enter(width);
    QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(width, "40");

    QTest::mouseClick(f.landscape(), Qt::LeftButton);
    verifyOnlyMessage("设置值不能小于 50，设为默认值", PromptIcon::Error);
    QVERIFY(width->hasFocus());
    QVERIFY(f.portrait()->isChecked());
    QCOMPARE(f.boxes(), QSize(210, 297));
    QVERIFY(f.printer->applied.isEmpty());

    QTest::mouseClick(f.landscape(), Qt::LeftButton); // the second click acts
    QVERIFY(f.landscape()->isChecked());
    QCOMPARE(f.boxes(), QSize(297, 210));
    QCOMPARE(Prompt::shown().size(), 1);
}

// Enter answers 确定 while the box keeps the focus: its value is taken as
// it stands, and the box is not left as the dialog goes.
void TestPageSetup::enterConfirmsWithoutLeavingTheBox()
{
    Fixture f;
    QVERIFY(f.open(paper("A4", 210, 297)));
    NumberEdit *width = f.box("SPE_PageWidth");
    f.enter(width);
    QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(width, "300");
    QTest::keyClick(width, Qt::Key_Return);

    QVERIFY(f.dialog->isHidden());
    QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    const TPageSettings expected = paper("A4", 300, 297);
    QCOMPARE(rowSettings(f.file.reports), expected);
    QCOMPARE(OutputProcess.CurrentPageSettings, expected);
    QCOMPARE(f.log, QStringList { "modified" });
    QVERIFY(Prompt::shown().isEmpty());
}

void TestPageSetup::choosingPaperReadsTheSheetBack_data()
{
    QTest::addColumn<TPageSettings>("page");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QSize>("sheetDots"); // what the driver reports at 600 dpi; empty: the nominal sheet
    QTest::addColumn<int>("paperCode");
    QTest::addColumn<int>("dmOrientation");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("B5 from A4") << paper("A4", 210, 297) << "B5" << QSize() << 13 << 1 << QSize(182, 257);
    QTest::newRow("A4 from B5") << paper("B5", 182, 257) << "A4" << QSize() << 9 << 1 << QSize(210, 297);
    QTest::newRow("B5 landscape") << paper("A4", 297, 210, 1) << "B5" << QSize() << 13 << 2
                                  << QSize(257, 182);
    QTest::newRow("A4 landscape") << paper(Custom, 300, 200, 1) << "A4" << QSize() << 9 << 2
                                  << QSize(297, 210);
    QTest::newRow("custom paper of the boxes")
        << paper("A4", 150, 220) << Custom << QSize() << 256 << 1 << QSize(150, 220);
    QTest::newRow("custom landscape")
        << paper("B5", 250, 160, 1) << Custom << QSize() << 256 << 2 << QSize(250, 160);
    QTest::newRow("the driver's own A4")
        << paper("B5", 182, 257) << "A4" << QSize(4900, 7000) << 9 << 1 << QSize(207, 296);
}

void TestPageSetup::choosingPaperReadsTheSheetBack()
{
    QFETCH(TPageSettings, page);
    QFETCH(QString, chosen);
    QFETCH(QSize, sheetDots);
    QFETCH(QSize, shown);

    Fixture f;
    if (!sheetDots.isEmpty())
        f.printer->sheetDots = sheetDots;
    QVERIFY(f.open(page));
    f.choosePaper(chosen);

    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(f.printer->applied.size(), 1);
    QTEST(int(f.printer->applied.first().dmPaperSize), "paperCode");
    QTEST(int(f.printer->applied.first().dmOrientation), "dmOrientation");
    QCOMPARE(f.boxes(), shown);
    const TPageSettings &current = OutputProcess.CurrentPageSettings;
    QCOMPARE(current.PageStyle, chosen);
    QCOMPARE(QSize(current.PageWidth, current.PageHeight), shown);
    QCOMPARE(current.PageOrientation, page.PageOrientation);
    QCOMPARE(TFrm_PageSetup::referenceSize(), QSize(page.PageWidth, page.PageHeight));
    if (sheetDots.isEmpty())
        QCOMPARE(printerSheetMM(), shown);
}

// A custom sheet wider than the printer can be told keeps the printer's
// paper; the boxes then show the sheet the printer still has.
void TestPageSetup::paperThePrinterRefuses()
{
    Fixture f;
    f.printer->printer().setPageSize(QPageSize(QPageSize::A5));
    QVERIFY(f.open(paper(Custom, 4000, 297)));
    f.choosePaper(Custom);

    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text, QStringLiteral("初始化打印机错误!"));
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Warning);
    QVERIFY(f.printer->applied.isEmpty());
    QCOMPARE(f.boxes(), QSize(148, 210));
    QCOMPARE(OutputProcess.CurrentPageSettings.PageWidth, 148);
    QCOMPARE(OutputProcess.PrinterPageGeometry.PageWidth, 4000);
}

void TestPageSetup::orientationButtons_data()
{
    QTest::addColumn<TPageSettings>("page");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("applied"); // paper set-ups given to the printer

    QTest::newRow("click 横向 on portrait A4")
        << paper("A4", 210, 297) << "click landscape" << QSize(297, 210) << 1 << 1;
    QTest::newRow("click 纵向 on landscape B5")
        << paper("B5", 257, 182, 1) << "click portrait" << QSize(182, 257) << 0 << 1;
    QTest::newRow("click 横向 on custom paper")
        << paper(Custom, 150, 200) << "click landscape" << QSize(200, 150) << 1 << 1;
    QTest::newRow("横向 entered by keyboard when checked: no swap, sheet read back")
        << paper("A4", 290, 200, 1) << "enter landscape" << QSize(297, 210) << 1 << 1;
    QTest::newRow("横向 entered by keyboard when checked keeps a custom size")
        << paper(Custom, 300, 200, 1) << "enter landscape" << QSize(300, 200) << 1 << 1;
    QTest::newRow("纵向 entered by keyboard when checked")
        << paper(Custom, 150, 200) << "enter portrait" << QSize(150, 200) << 0 << 1;
    QTest::newRow("arrow key from 纵向 to 横向")
        << paper("A4", 210, 297) << "arrow to landscape" << QSize(297, 210) << 1 << 2;
}

void TestPageSetup::orientationButtons()
{
    QFETCH(TPageSettings, page);
    QFETCH(QString, action);
    QFETCH(QSize, shown);
    QFETCH(int, orientation);
    QFETCH(int, applied);

    Fixture f;
    QVERIFY(f.open(page));
    if (action == "click landscape") {
        QTest::mouseClick(f.landscape(), Qt::LeftButton);
    } else if (action == "click portrait") {
        QTest::mouseClick(f.portrait(), Qt::LeftButton);
    } else if (action == "enter landscape") {
        f.landscape()->setFocus(Qt::TabFocusReason);
    } else if (action == "enter portrait") {
        f.portrait()->setFocus(Qt::TabFocusReason);
    } else {
        f.portrait()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.portrait(), Qt::Key_Right);
    }

    QVERIFY(Prompt::shown().isEmpty());
    const bool upright = orientation == 0;
    QCOMPARE(f.portrait()->isChecked(), upright);
    QCOMPARE(f.landscape()->isChecked(), !upright);
    QCOMPARE(f.find<QLabel>("Image1")->isVisible(), upright);
    QCOMPARE(f.find<QLabel>("Image2")->isVisible(), !upright);
    QCOMPARE(f.boxes(), shown);
    const TPageSettings &current = OutputProcess.CurrentPageSettings;
    QCOMPARE(current.PageOrientation, orientation);
    QCOMPARE(QSize(current.PageWidth, current.PageHeight), shown);
    QCOMPARE(current.PageStyle, page.PageStyle);
    QCOMPARE(f.printer->applied.size(), applied);
    QCOMPARE(int(f.printer->applied.last().dmOrientation), upright ? 1 : 2);
    QCOMPARE(printerSheetMM(), shown);
    // The thumbnail follows the new shape.
    QCOMPARE(f.thumbnail()->width() > f.thumbnail()->height(), !upright);
}

void TestPageSetup::thumbnailSize_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QRect>("picture");

    QTest::newRow("landscape A4") << QSize(297, 210) << QRect(34, 24, 90, 63);
    QTest::newRow("portrait A4") << QSize(210, 297) << QRect(50, 15, 57, 81);
    QTest::newRow("portrait B5") << QSize(182, 257) << QRect(50, 15, 57, 81);
    QTest::newRow("square is drawn wide") << QSize(200, 200) << QRect(34, 25, 90, 60);
    QTest::newRow("landscape height over 270, not over the width")
        << QSize(300, 135) << QRect(34, 35, 90, 40);
    QTest::newRow("NULL page columns") << QSize(0, 0) << QRect(34, 55, 90, 0);
    QTest::newRow("negative width over zero height") << QSize(-10, 0) << QRect(78, 15, 0, 81);
    QTest::newRow("no taller than the frame") << QSize(100000, 99999) << QRect(34, 3, 90, 105);
}

// Drawn each time the dialog becomes the active window.
void TestPageSetup::thumbnailSize()
{
    QFETCH(QSize, page);
    QFETCH(QRect, picture);

    Fixture f;
    QVERIFY(f.open(paper(Custom, page.width(), page.height())));
    QLabel *thumbnail = f.thumbnail();
    QVERIFY(thumbnail->isVisible());
    QCOMPARE(thumbnail->geometry(), picture);
    if (picture.isEmpty())
        QVERIFY(thumbnail->pixmap().isNull());
    else
        QCOMPARE(thumbnail->pixmap().size(), picture.size());
}

// Paragraphs of two lines three pixels apart: the first from x = 6 to the
// width less 3, the second from x = 3 to one of three places.
void TestPageSetup::thumbnailLines()
{
    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    const QImage image = f.thumbnail()->pixmap().toImage();
    QCOMPARE(image.size(), QSize(57, 81));
    const int width = image.width();
    auto black = [&](int x, int y) { return image.pixelColor(x, y) == Qt::black; };
    auto run = [&](int y) { // first and one-past-last black column of a row, or {-1, -1}
        int first = -1, end = -1;
        for (int x = 0; x < width; ++x)
            if (black(x, y)) {
                if (first < 0)
                    first = x;
                end = x + 1;
            }
        return QPair<int, int>(first, end);
    };
    const QList<int> secondEnds { width - 6, 23, 46 };
    int lines = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QPair<int, int> r = run(y);
        if (y % 3 != 0 || y == 0) {
            QCOMPARE(r, qMakePair(-1, -1));
            continue;
        }
        ++lines;
        if (y % 6 == 3) {
            QCOMPARE(r, qMakePair(6, width - 3));
        } else {
            QCOMPARE(r.first, 3);
            QVERIFY2(secondEnds.contains(r.second), qPrintable(QString::number(r.second)));
        }
        for (int x = r.first; x < r.second; ++x)
            QVERIFY(black(x, y));
    }
    QCOMPARE(lines, 26); // 13 paragraphs, the last line at y = 78
}

void TestPageSetup::thumbnailStaysBelowTheFrameCaption_data()
{
    QTest::addColumn<QSize>("page");
    QTest::newRow("portrait A4") << QSize(210, 297);
    QTest::newRow("landscape A4") << QSize(297, 210);
    QTest::newRow("portrait B5") << QSize(182, 257);
}

// In the program's own dialog font (宋体, drawn in Noto Serif CJK SC) the
// caption of 预览 is taller than the layout allowed for: the schematic page
// stays below it and inside the frame's border.
void TestPageSetup::thumbnailStaysBelowTheFrameCaption()
{
    QFETCH(QSize, page);
    FontSubstitutes::install();
    Fixture f;
    QVERIFY(f.open(paper(Custom, page.width(), page.height())));
    auto *frame = f.find<QGroupBox>("GB_Preview");
    const QRect picture = f.thumbnail()->geometry();
    for (const char *face : { "宋体", "黑体", "Times New Roman" })
        QFont::removeSubstitutions(face);
    QVERIFY2(
        picture.top() >= QFontMetrics(frame->font()).height(), qPrintable(QString::number(picture.top())));
    QVERIFY(picture.bottom() < frame->height() - 1);
    QCOMPARE(picture.size(), page.width() < page.height() ? QSize(57, 81) : QSize(90, 63));
}

// Opened from the print preview, which stays on top, the dialog belongs to
// the preview but stands in the middle of the main window.
void TestPageSetup::centredOnTheMainWindowFromAWindowOfItsOwn()
{
    Fixture f;
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 1000, 700);
    QWidget preview(&mainWindow, Qt::Window);
    preview.setGeometry(0, 0, 500, 400);
    mainWindow.show();
    preview.show();
    TFrm_PageSetup dialog(&preview, {});
    QCOMPARE(dialog.frameGeometry().center(), mainWindow.frameGeometry().center());
}

void TestPageSetup::changingTabsMovesThePreviewFrame()
{
    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    auto *frame = f.find<QGroupBox>("GB_Preview");
    const QRect picture = f.thumbnail()->geometry();
    const qint64 drawn = f.thumbnail()->pixmap().cacheKey();
    for (int tab : { 3, 1, 4, 2, 0 }) {
        f.pages()->setCurrentIndex(tab);
        QCOMPARE(frame->parentWidget(), f.pages()->widget(tab));
        QCOMPARE(frame->geometry(), QRect(238, 40, 157, 105));
        QVERIFY(frame->isVisible());
        QCOMPARE(f.thumbnail()->geometry(), picture);
        QCOMPARE(f.thumbnail()->pixmap().cacheKey(), drawn);
    }
    // A paper chosen on another tab's visit is drawn on the tab shown.
    f.pages()->setCurrentIndex(2);
    f.dialog->DrawPageThumbnail();
    QCOMPARE(frame->parentWidget(), f.pages()->widget(2));
    QVERIFY(f.thumbnail()->pixmap().cacheKey() != drawn);
}

void TestPageSetup::printerAfterClosing_data()
{
    QTest::addColumn<QString>("closing");
    QTest::addColumn<bool>("choseLandscape");
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<QSize>("current");
    QTest::addColumn<int>("applied");

    QTest::newRow("取消 gives the printer the restored portrait A4")
        << "取消" << true << QSize(210, 297) << QSize(210, 297) << 2;
    QTest::newRow("Esc is 取消") << "Esc" << true << QSize(210, 297) << QSize(210, 297) << 2;
    QTest::newRow("取消 without a paper chosen leaves the printer alone")
        << "取消" << false << QSize() << QSize(210, 297) << 0;
    QTest::newRow("the close button keeps the landscape choice")
        << "close" << true << QSize(297, 210) << QSize(297, 210) << 1;
}

void TestPageSetup::printerAfterClosing()
{
    QFETCH(QString, closing);
    QFETCH(bool, choseLandscape);
    QFETCH(QSize, sheet);
    QFETCH(int, applied);

    Fixture f;
    TPageSettings opening = paper("A4", 210, 297);
    opening.TopMargin = 20;
    QVERIFY(f.open(opening));
    if (choseLandscape)
        QTest::mouseClick(f.landscape(), Qt::LeftButton);
    f.close(closing);

    QCOMPARE(f.printer->applied.size(), applied);
    if (applied > 0) {
        QCOMPARE(printerSheetMM(), sheet);
        const TPrinterPageGeometry geometry = OutputProcess.PrinterPageGeometry;
        QCOMPARE(QSize(geometry.PageWidth, geometry.PageHeight), sheet);
        QCOMPARE(geometry.TopMargin, 20);
    }
    const TPageSettings &current = OutputProcess.CurrentPageSettings;
    QTEST(QSize(current.PageWidth, current.PageHeight), "current");
    QCOMPARE(rowSettings(f.file.reports), opening);
    QVERIFY(f.log.isEmpty());
    QVERIFY(Prompt::shown().isEmpty());
}

void TestPageSetup::previewFollowsTheClosing_data()
{
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QStringList>("log");

    const QStringList closingSteps { "picture hidden", "repainting suspended" };
    const QStringList afterwards { "picture shown", "repainting resumed" };
    QTest::newRow("确定 lays the preview out anew")
        << "确定" << QStringList { "relayout 297x210", "modified" } + closingSteps + afterwards;
    QTest::newRow("取消") << "取消" << closingSteps + afterwards;
    QTest::newRow("close button") << "close" << closingSteps + afterwards;
}

void TestPageSetup::previewFollowsTheClosing()
{
    QFETCH(QString, closing);

    Fixture f;
    QVERIFY(f.open(TPageSettings(), true));
    QTest::mouseClick(f.landscape(), Qt::LeftButton);
    f.close(closing);
    f.dialog.reset();

    QTEST(f.log, "log");
    if (closing == "确定") {
        const TPageSettings row = rowSettings(f.file.reports);
        QCOMPARE(QSize(row.PageWidth, row.PageHeight), QSize(297, 210));
        QCOMPARE(row.PageOrientation, 1);
    }
}

void TestPageSetup::printerButton_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("answer"); // printer chosen; empty: the one the dialog opened on
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("message");

    QTest::newRow("PDF printer chosen") << true << PdfPrinterName << PdfPrinterName << "";
    QTest::newRow("cancelled") << false << PdfPrinterName << TestPrinterName << "";
    QTest::newRow("same printer kept") << true << "" << TestPrinterName << "";
    QTest::newRow("unknown printer") << true << "没有这台打印机" << TestPrinterName << "设置打印机错误!";
}

void TestPageSetup::printerButton()
{
    QFETCH(bool, confirmed);
    QFETCH(QString, answer);
    QFETCH(QString, message);

    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    const PrintJobOptions earlier { 2, 0, 0, {} };
    f.printer->setJobOptions(earlier);
    const PrintJobOptions chosen { 3, 2, 2, "/tmp/chosen.pdf" };
    Prompt::setNextPrintAnswer(confirmed, answer, chosen);
    QTest::mouseClick(f.button("BBT_Printer"), Qt::LeftButton);

    const PromptRecord &dialog = Prompt::shown().first();
    QCOMPARE(dialog.kind, PromptKind::Print);
    QCOMPARE(dialog.printerName, TestPrinterName);
    QCOMPARE(dialog.job, earlier);
    QCOMPARE(dialog.pageCount, 2);
    QTEST(CurrentPrinter::device().name(), "printer");
    // The copies, pages and file chosen go with the printer the dialog leaves current.
    QCOMPARE(CurrentPrinter::device().jobOptions(), confirmed && message.isEmpty() ? chosen : earlier);
    if (message.isEmpty()) {
        QCOMPARE(Prompt::shown().size(), 1);
    } else {
        QCOMPARE(Prompt::shown().size(), 2);
        QCOMPARE(Prompt::shown().last().text, message);
        QCOMPARE(Prompt::shown().last().icon, PromptIcon::Error);
        QCOMPARE(&CurrentPrinter::device(), f.printer);
    }
    QCOMPARE(OutputProcess.CurrentPageSettings, TPageSettings());
}

void TestPageSetup::cancelGivesTheRestoredPaperToANewlyChosenPrinter()
{
    Fixture f;
    QVERIFY(f.open(paper("B5", 257, 182, 1)));
    Prompt::setNextPrintAnswer(true, PdfPrinterName);
    QTest::mouseClick(f.button("BBT_Printer"), Qt::LeftButton);
    QCOMPARE(CurrentPrinter::device().name(), PdfPrinterName);
    f.close("取消");
    QCOMPARE(printerSheetMM(), QSize(257, 182));
}

// The row's own message; the dialog still closes and the report counts as
// changed, so that the settings are saved with it.
void TestPageSetup::confirmWhenTheRowCannotBeWritten()
{
    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    f.file.reports.close();
    f.close("确定");
    verifyOnlyMessage("写当前项目的页面设置到数据库错误!", PromptIcon::Error);
    QCOMPARE(f.log, QStringList { "modified" });
}

// A length that no page can be drawn with is refused with one message: the
// dialog stays open and neither the report's row, nor the defaults, nor the
// current settings get it.
void TestPageSetup::undrawableLengthIsRefused_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("section height, 确定")
        << "SPE_ShatterReason_RowLine"
        << "-2147483648"
        << "BBT_OK"
        << "页面设置的损坏原因分析行高 -2147483648 毫米超出了可以绘制的范围 (-10000 到 10000 毫米), "
           "不能按它预览或打印!";
    QTest::newRow("telephone width, 确定") << "SPE_PhoneWidth"
                                           << "-2147483648"
                                           << "BBT_OK"
                                           << "页面设置的电话栏宽 -2147483648 毫米超出了可以绘制的范围 "
                                              "(-10000 到 10000 毫米), 不能按它预览或打印!";
    QTest::newRow("cover offset, 默认...")
        << "SPE_CovOffsetBottomSpace"
        << "2147483647"
        << "BBT_Default"
        << "页面设置的封面文字向下偏移 2147483647 毫米超出了可以绘制的范围 (-10000 到 10000 毫米), "
           "不能按它预览或打印!";
    QTest::newRow("just beyond the range")
        << "SPE_TopMargin"
        << "10001"
        << "BBT_OK"
        << "页面设置的上边距 10001 毫米超出了可以绘制的范围 (-10000 到 10000 毫米), 不能按它预览或打印!";
}

void TestPageSetup::undrawableLengthIsRefused()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, message);
    Fixture f;
    const TPageSettings opening = unusual();
    QVERIFY(f.open(opening));
    f.typeAndLeave(f.box(qPrintable(box)), typed);
    QVERIFY(Prompt::shown().isEmpty());

    const bool defaults = button == "BBT_Default";
    if (defaults)
        Prompt::setNextAnswer(PromptButton::Yes);
    QTest::mouseClick(f.button(qPrintable(button)), Qt::LeftButton);

    QCOMPARE(Prompt::shown().size(), defaults ? 2 : 1);
    QCOMPARE(Prompt::shown().last().text, message);
    QCOMPARE(Prompt::shown().last().icon, PromptIcon::Error);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(OutputProcess.CurrentPageSettings, opening);
    QCOMPARE(rowSettings(f.file.reports), opening);
    QVERIFY(!QFile::exists(f.file.dir.filePath("config.ini")));
    QVERIFY(f.log.isEmpty());

    // Within the range the same button goes through.
    f.typeAndLeave(f.box(qPrintable(box)), "10000");
    if (defaults)
        Prompt::setNextAnswer(PromptButton::Yes);
    QTest::mouseClick(f.button(qPrintable(button)), Qt::LeftButton);
    QCOMPARE(Prompt::shown().size(), defaults ? 3 : 1);
    QCOMPARE(f.dialog->isVisible(), defaults);
}

void TestPageSetup::entryPointRunsTheDialogModally()
{
    Fixture f;
    QVERIFY(f.open(TPageSettings()));
    f.dialog.reset();
    QWidget owner;
    PageSetupTarget target;
    target.reports = &f.file.reports;
    target.markModified = [&f] { f.log << "modified"; };
    bool wasModal = false;
    QTimer::singleShot(0, &owner, [&] {
        auto *dialog = owner.findChild<TFrm_PageSetup *>();
        QVERIFY(dialog);
        wasModal = dialog->isModal() && dialog->isVisible();
        dialog->findChild<QRadioButton *>("RB_Landscape")->setChecked(true);
        dialog->findChild<QPushButton *>("BBT_OK")->click();
    });
    showPageSetup(&owner, target);

    QVERIFY(wasModal);
    QVERIFY(owner.findChildren<TFrm_PageSetup *>().isEmpty());
    QCOMPARE(f.log, QStringList { "modified" });
    QCOMPARE(rowSettings(f.file.reports).PageOrientation, 1);
}

QTEST_MAIN(TestPageSetup)
#include "tst_pagesetup.moc"
