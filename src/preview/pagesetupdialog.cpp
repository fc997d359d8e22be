#include "preview/pagesetupdialog.h"

#include "base/apperror.h"
#include "base/errorreport.h"
#include "base/prompt.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "output/units.h"
#include "printing/currentprinter.h"
#include "printing/printerpage.h"
#include "widgets/captionedframe.h"
#include "widgets/numberedit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString CustomPaper = QStringLiteral("自定义纸张");

// Where the frame 预览 stands on every tab.
constexpr QPoint PreviewFramePlace(238, 40);
constexpr QSize PreviewFrameSize(157, 105);

// The database keeps a paper style to this many characters.
constexpr int PageStyleMaxLength = 20;

// Typed sizes below these are refused and replaced by the initial size.
constexpr int MinPageWidth = 50;
constexpr int MinPageHeight = 85;
constexpr int MinApprCircsRowCount = 10;
constexpr int MinRowMaxCharCount = 20;

// The cover flags in the order of the items of the print selection.
constexpr std::array<int TPageSettings::*, 3> SignatoryFlags { &TPageSettings::CovPrnSelAppraisor,
    &TPageSettings::CovPrnSelAssessor, &TPageSettings::CovPrnSelAuthorizedMan };

QSize &reference()
{
    static QSize size(0, 0);
    return size;
}

// A length in pixels, rounded to nearest with halves to even and kept
// within 0 and the given limit (nothing outside the frame can be seen).
int pixels(double value, int limit)
{
    if (!(value > 0))
        return 0;
    if (value > limit)
        return limit;
    return static_cast<int>(roundHalfEven(value));
}

// The schematic page inside the frame: a page of the frame's height less 24
// pixels for upright paper, and a wider page (its height following the
// page height over 270) for sideways or square paper, kept below the
// frame's caption.
QRect thumbnailPlace(int pageWidth, int pageHeight, QSize frame, int captionHeight)
{
    int width = 0;
    int height = 0;
    if (pageWidth < pageHeight) {
        height = frame.height() - 24;
        width = pixels(double(height) * pageWidth / pageHeight, frame.width());
    } else {
        width = frame.height() - 24;
        height = pixels(double(width) * pageHeight / 270, frame.height());
        width += 9;
    }
    const int left = static_cast<int>(roundHalfEven((frame.width() - width) / 2.0));
    const int top = static_cast<int>(roundHalfEven((frame.height() - height) / 2.0)) + 3;
    return QRect(left, std::max(top, std::min(captionHeight, frame.height() - height)), width, height);
}

// A black line on row y from x1 up to, not including, x2: whole pixels
// (device pixels too, on a scaled screen).
void horizontalLine(QPainter &painter, int x1, int x2, int y)
{
    if (x2 > x1)
        painter.fillRect(QRect(x1, y, x2 - x1, 1), Qt::black);
}

// Paragraphs of two lines 3 pixels apart, the second line ending at random
// at one of three places; lines below the picture are clipped. Drawn at the
// screen's device pixel ratio, so that it stays sharp on a scaled screen.
QImage thumbnailImage(QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int width = size.width();
    const int paragraphs = static_cast<int>(roundHalfEven((size.height() - 6) / 3.0 / 2.0));
    const int ends[] = { width - 6, static_cast<int>(roundHalfEven(width / 5.0 * 2)),
        static_cast<int>(roundHalfEven(width / 5.0 * 4)) };
    QRandomGenerator *random = QRandomGenerator::global();
    for (int n = 0, y = 3; n <= paragraphs && y < size.height(); ++n, y += 6) {
        horizontalLine(painter, 6, width - 3, y);
        horizontalLine(painter, 3, ends[random->bounded(3)], y + 3);
    }
    return image;
}

// The 32 x 32 picture of an upright or a sideways page beside the
// orientation buttons.
QPixmap orientationPicture(bool upright)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect sheet = upright ? QRect(7, 2, 18, 27) : QRect(2, 7, 27, 18);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(sheet);
    for (int y = sheet.top() + 4; y < sheet.bottom() - 2; y += 3)
        painter.drawLine(sheet.left() + 3, y, sheet.right() - 3, y);
    return QPixmap::fromImage(image);
}

QLabel *label(QWidget *parent, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

CaptionedFrame *frame(QWidget *parent, const char *name, const QString &title, const QRect &place)
{
    auto *box = new CaptionedFrame(title, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int y)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(446, y, 85, 25);
    button->setAutoDefault(false);
    // A click focuses the button first, so that the box being left is checked.
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

bool isUserFocusChange(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TFrm_PageSetup::TFrm_PageSetup(QWidget *owner, const PageSetupTarget &target)
    : QDialog(owner,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_target(target)
{
    setObjectName(QStringLiteral("Frm_PageSetup"));
    setWindowTitle(QStringLiteral("页面设置"));
    setFont(QFont(QStringLiteral("宋体"), 9));
    setFixedSize(539, 274);
    buildControls();

    try {
        SavedPageSettings = OutputProcess.CurrentPageSettings;
    } catch (const std::exception &) {
        Prompt::error(QStringLiteral("保存页面设置原始数据错误!"));
    }
    showFields();
    m_pages->setCurrentIndex(0);
    movePreviewFrameToCurrentTab();
    m_pageStyle->setFocus();

    centreOnOwner();
}

TFrm_PageSetup::~TFrm_PageSetup()
{
    m_closing = true;
    if (m_target.preview && m_previewHeld) {
        m_target.preview->setPictureVisible(true);
        m_target.preview->setRepaintingSuspended(false);
    }
}

QSize TFrm_PageSetup::referenceSize()
{
    return reference();
}

void TFrm_PageSetup::resetReferenceSize()
{
    reference() = QSize(0, 0);
}

void TFrm_PageSetup::buildControls()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(8, 8, 428, 258);
    m_pages->addTab(buildPaperTab(), QStringLiteral("页面大小"));
    m_pages->addTab(buildMarginTab(), QStringLiteral("页边距"));
    m_pages->addTab(buildCoverTab(), QStringLiteral("封面设置"));
    m_pages->addTab(buildRowHeightTab(), QStringLiteral("表格行高/字符数"));
    m_pages->addTab(buildColumnWidthTab(), QStringLiteral("表格栏宽"));
    connect(m_pages, &QTabWidget::currentChanged, this, &TFrm_PageSetup::movePreviewFrameToCurrentTab);

    m_previewFrame = frame(
        m_pages->widget(0), "GB_Preview", QStringLiteral("预览"), QRect(PreviewFramePlace, PreviewFrameSize));
    m_thumbnail = new QLabel(m_previewFrame);
    m_thumbnail->setObjectName(QStringLiteral("Img"));
    m_thumbnail->hide();

    auto *printer = button(this, "BBT_Printer", QStringLiteral("打印机..."), 36);
    auto *defaults = button(this, "BBT_Default", QStringLiteral("默认..."), 70);
    auto *initial = button(this, "BBT_InitValue", QStringLiteral("初始值..."), 104);
    auto *ok = button(this, "BBT_OK", QStringLiteral("确定"), 198);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    auto *cancel = button(this, "BBT_Cancel", QStringLiteral("取消"), 232);
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    for (QPushButton *b : { printer, defaults, initial, ok, cancel })
        b->installEventFilter(this);

    connect(printer, &QPushButton::clicked, this, &TFrm_PageSetup::choosePrinter);
    connect(defaults, &QPushButton::clicked, this, &TFrm_PageSetup::saveAsDefaults);
    connect(initial, &QPushButton::clicked, this, &TFrm_PageSetup::resetToInitialValues);
    connect(ok, &QPushButton::clicked, this, &TFrm_PageSetup::confirm);
    connect(cancel, &QPushButton::clicked, this, &TFrm_PageSetup::reject);
}

NumberEdit *TFrm_PageSetup::numberBox(QWidget *parent, const char *name, const QString &caption, int x, int y,
    int labelWidth, int TPageSettings::*field, bool millimetres)
{
    auto *box = new NumberEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x + labelWidth, y, 64, 21);
    label(parent, caption, x, y + 4)->setBuddy(box);
    if (millimetres)
        label(parent, QStringLiteral("毫米"), x + labelWidth + 70, y + 4);
    m_numberFields.append({ box, field });
    return box;
}

QWidget *TFrm_PageSetup::buildPaperTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet1"));

    label(tab, QStringLiteral("纸张大小:"), 16, 20);
    m_pageStyle = new QComboBox(tab);
    m_pageStyle->setObjectName(QStringLiteral("CBB_PageStyle"));
    m_pageStyle->setEditable(true);
    m_pageStyle->setInsertPolicy(QComboBox::NoInsert);
    m_pageStyle->addItems({ QStringLiteral("B5"), QStringLiteral("A4"), CustomPaper });
    m_pageStyle->lineEdit()->setMaxLength(PageStyleMaxLength);
    m_pageStyle->setGeometry(86, 16, 130, 21);
    connect(m_pageStyle, &QComboBox::activated, this, &TFrm_PageSetup::paperStyleChosen);

    m_pageWidth
        = numberBox(tab, "SPE_PageWidth", QStringLiteral("宽度:"), 16, 50, 70, &TPageSettings::PageWidth);
    m_pageHeight
        = numberBox(tab, "SPE_PageHeight", QStringLiteral("高度:"), 16, 80, 70, &TPageSettings::PageHeight);

    auto *orientation = frame(tab, "GroupBox1", QStringLiteral("方向"), QRect(16, 112, 200, 92));
    m_portrait = new QRadioButton(QStringLiteral("纵向"), orientation);
    m_portrait->setObjectName(QStringLiteral("RB_Portrait"));
    m_portrait->setGeometry(16, 26, 80, 20);
    m_landscape = new QRadioButton(QStringLiteral("横向"), orientation);
    m_landscape->setObjectName(QStringLiteral("RB_Landscape"));
    m_landscape->setGeometry(16, 56, 80, 20);
    m_uprightPicture = new QLabel(orientation);
    m_uprightPicture->setObjectName(QStringLiteral("Image1"));
    m_uprightPicture->setPixmap(orientationPicture(true));
    m_sidewaysPicture = new QLabel(orientation);
    m_sidewaysPicture->setObjectName(QStringLiteral("Image2"));
    m_sidewaysPicture->setPixmap(orientationPicture(false));
    for (QLabel *picture : { m_uprightPicture, m_sidewaysPicture })
        picture->setGeometry(130, 34, 32, 32);

    for (QRadioButton *b : { m_portrait, m_landscape }) {
        // Entering a button by a click must come before the click checks it.
        b->setFocusPolicy(Qt::StrongFocus);
        b->installEventFilter(this);
    }
    for (NumberEdit *box : { m_pageWidth, m_pageHeight })
        box->installEventFilter(this);
    return tab;
}

QWidget *TFrm_PageSetup::buildMarginTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet2"));
    numberBox(tab, "SPE_TopMargin", QStringLiteral("上边距:"), 16, 16, 64, &TPageSettings::TopMargin);
    numberBox(tab, "SPE_BottomMargin", QStringLiteral("下边距:"), 16, 46, 64, &TPageSettings::BottomMargin);
    numberBox(tab, "SPE_LeftMargin", QStringLiteral("左边距:"), 16, 76, 64, &TPageSettings::LeftMargin);
    numberBox(tab, "SPE_RightMargin", QStringLiteral("右边距:"), 16, 106, 64, &TPageSettings::RightMargin);
    auto *edge = frame(tab, "GroupBox2", QStringLiteral("距边界"), QRect(8, 140, 212, 56));
    numberBox(edge, "SPE_FooterMargin", QStringLiteral("页脚:"), 8, 24, 64, &TPageSettings::FooterMargin);
    return tab;
}

QWidget *TFrm_PageSetup::buildCoverTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet3"));
    auto *offset = frame(tab, "GroupBox3", QStringLiteral("文字偏移"), QRect(8, 6, 220, 104));
    numberBox(offset, "SPE_CovOffsetRightSpace", QStringLiteral("向右:"), 8, 20, 72,
        &TPageSettings::CovOffsetRightSpace);
    numberBox(offset, "SPE_CovOffsetBottomSpace", QStringLiteral("向下:"), 8, 48, 72,
        &TPageSettings::CovOffsetBottomSpace);
    numberBox(offset, "SPE_CovRowSpace", QStringLiteral("行距调整:"), 8, 76, 72, &TPageSettings::CovRowSpace);

    auto *selection = frame(tab, "GroupBox4", QStringLiteral("打印选择"), QRect(8, 114, 220, 100));
    m_covPrintSel = new QListWidget(selection);
    m_covPrintSel->setObjectName(QStringLiteral("CLB_CovPrintSel"));
    m_covPrintSel->setGeometry(10, 20, 200, 70);
    for (const QString &signatory :
        { QStringLiteral("鉴定人"), QStringLiteral("审核人"), QStringLiteral("审定人") }) {
        auto *item = new QListWidgetItem(signatory, m_covPrintSel);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    return tab;
}

QWidget *TFrm_PageSetup::buildRowHeightTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet4"));
    auto *heights = frame(tab, "GroupBox5", QStringLiteral("表格行高"), QRect(8, 6, 220, 138));
    m_apprCircsRows = numberBox(heights, "SPE_ApprCircsRowCount", QStringLiteral("检查情况:"), 8, 22, 96,
        &TPageSettings::ApprCircsRowCount);
    numberBox(heights, "SPE_ShatterReason_RowLine", QStringLiteral("损坏原因分析:"), 8, 50, 96,
        &TPageSettings::ShatterReasonRowCount);
    numberBox(heights, "SPE_ApprConclusionRowLine", QStringLiteral("鉴定结论:"), 8, 78, 96,
        &TPageSettings::ApprConclusionRowCount);
    numberBox(heights, "SPE_DisposalAdviRowLine", QStringLiteral("处理建议:"), 8, 106, 96,
        &TPageSettings::DisposalAdviRowCount);
    m_rowMaxCharCount = numberBox(tab, "SPE_RowMaxCharCount", QStringLiteral("每行字符数:"), 16, 158, 96,
        &TPageSettings::RowMaxCharCount, false);
    for (NumberEdit *box : { m_apprCircsRows, m_rowMaxCharCount })
        box->installEventFilter(this);
    return tab;
}

QWidget *TFrm_PageSetup::buildColumnWidthTab()
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("TabSheet5"));
    label(tab, QStringLiteral("表格栏宽"), 16, 16);
    numberBox(tab, "SPE_ClientWidth", QStringLiteral("委托人:"), 16, 44, 64, &TPageSettings::ClientWidth);
    numberBox(tab, "SPE_PhoneWidth", QStringLiteral("电话:"), 16, 74, 64, &TPageSettings::PhoneWidth);
    return tab;
}

// On the main window, also when the dialog belongs to a window of its own
// (the print preview, which stays on top): the main window is the top of
// the chain of owners.
void TFrm_PageSetup::centreOnOwner()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    while (owner && owner->parentWidget())
        owner = owner->parentWidget()->window();
    if (!owner)
        return;
    QRect place = frameGeometry();
    place.moveCenter(owner->frameGeometry().center());
    move(place.topLeft());
}

// Every control shows its field of the current page settings.
void TFrm_PageSetup::showFields()
{
    const TPageSettings &page = OutputProcess.CurrentPageSettings;
    m_pageStyle->setCurrentIndex(m_pageStyle->findText(page.PageStyle));
    m_pageStyle->setEditText(page.PageStyle);
    for (const NumberField &f : m_numberFields)
        f.box->setValue(page.*f.field);
    (page.PageOrientation == 0 ? m_portrait : m_landscape)->setChecked(true);
    showOrientationPicture(page.PageOrientation);
    for (int i = 0; i < int(SignatoryFlags.size()); ++i)
        m_covPrintSel->item(i)->setCheckState(page.*SignatoryFlags[i] != 0 ? Qt::Checked : Qt::Unchecked);
}

void TFrm_PageSetup::showOrientationPicture(int orientation)
{
    m_uprightPicture->setVisible(orientation == 0);
    m_sidewaysPicture->setVisible(orientation != 0);
}

// Reads every control back into the current page settings.
void TFrm_PageSetup::takeControls()
{
    try {
        TPageSettings &page = OutputProcess.CurrentPageSettings;
        page.PageStyle = m_pageStyle->currentText();
        for (const NumberField &f : m_numberFields)
            page.*f.field = f.box->value();
        page.PageOrientation = m_portrait->isChecked() ? 0 : 1;
        for (int i = 0; i < int(SignatoryFlags.size()); ++i)
            page.*SignatoryFlags[i] = m_covPrintSel->item(i)->checkState() == Qt::Checked ? 1 : 0;
    } catch (const std::exception &) {
        Prompt::error(QStringLiteral("页面设置数据赋值到变量错误!"));
    }
}

// Takes the controls as takeControls does, unless a length could not be
// drawn: then the current settings stay as they were and AppError says
// which length, so that neither the report nor the defaults get it.
void TFrm_PageSetup::takeDrawableControls()
{
    const TPageSettings before = OutputProcess.CurrentPageSettings;
    takeControls();
    if (const std::optional<QString> problem = UndrawablePageSetting(OutputProcess.CurrentPageSettings)) {
        OutputProcess.CurrentPageSettings = before;
        throw AppError(*problem);
    }
}

void TFrm_PageSetup::ApplyPaperToPrinter()
{
    runReported([this] {
        CurrentPrinter::device();
        TPageSettings &page = OutputProcess.CurrentPageSettings;
        page.PageStyle = m_pageStyle->currentText();
        page.PageWidth = m_pageWidth->value();
        page.PageHeight = m_pageHeight->value();
        m_printerTouched = true;
        SetupCurrentPaper();
        const PrinterDpi dpi = GetPrinterDpi();
        int width = page.PageWidth;
        int height = page.PageHeight;
        GetPrinterPageSizeMM(dpi.dpiX, dpi.dpiY, width, height);
        page.PageWidth = width;
        page.PageHeight = height;
        m_pageWidth->setValue(width);
        m_pageHeight->setValue(height);
    });
}

void TFrm_PageSetup::DrawPageThumbnail()
{
    movePreviewFrameToCurrentTab();
    m_thumbnail->clear();
    const TPageSettings &page = OutputProcess.CurrentPageSettings;
    const QRect place = thumbnailPlace(
        page.PageWidth, page.PageHeight, m_previewFrame->size(), m_previewFrame->captionHeight());
    m_thumbnail->setGeometry(place);
    const QImage image = thumbnailImage(place.size(), m_thumbnail->devicePixelRatioF());
    if (!image.isNull())
        m_thumbnail->setPixmap(QPixmap::fromImage(image));
    m_thumbnail->setEnabled(true);
    m_thumbnail->show();
    m_thumbnail->raise();
}

void TFrm_PageSetup::movePreviewFrameToCurrentTab()
{
    QWidget *tab = m_pages->currentWidget();
    m_previewFrame->hide();
    if (m_previewFrame->parentWidget() != tab)
        m_previewFrame->setParent(tab);
    m_previewFrame->move(PreviewFramePlace);
    m_previewFrame->show();
}

void TFrm_PageSetup::paperStyleChosen()
{
    reference() = QSize(m_pageWidth->value(), m_pageHeight->value());
    ApplyPaperToPrinter();
    DrawPageThumbnail();
}

// Entering an orientation button, before a click checks it. Entering the
// button already checked keeps the sizes but gives the printer the paper
// again.
void TFrm_PageSetup::orientationEntered(int orientation)
{
    QRadioButton *entered = orientation == 0 ? m_portrait : m_landscape;
    OutputProcess.CurrentPageSettings.PageOrientation = orientation;
    reference() = QSize(m_pageWidth->value(), m_pageHeight->value());
    if (!entered->isChecked()) {
        m_pageWidth->setValue(reference().height());
        m_pageHeight->setValue(reference().width());
    }
    ApplyPaperToPrinter();
    showOrientationPicture(orientation);
    DrawPageThumbnail();
}

// An arrow key moves the focus to the other orientation button and then
// checks it, so that entering it sees it still unchecked.
void TFrm_PageSetup::moveOrientationFocus(QRadioButton *from)
{
    QRadioButton *to = from == m_portrait ? m_landscape : m_portrait;
    to->setFocus(Qt::TabFocusReason);
    if (to->hasFocus())
        to->setChecked(true);
}

void TFrm_PageSetup::sizeBoxEntered()
{
    if (m_pageStyle->currentText() != CustomPaper) {
        const TPageSettings &page = OutputProcess.CurrentPageSettings;
        reference() = QSize(page.PageWidth, page.PageHeight);
    }
}

// A typed size that differs from the reference makes the paper custom
// paper; the printer learns it only when a paper or orientation is chosen.
void TFrm_PageSetup::sizeBoxLeft(NumberEdit *box)
{
    const bool isWidth = box == m_pageWidth;
    if (isWidth)
        checkMinimum(box, MinPageWidth, TPageSettings().PageWidth);
    else
        checkMinimum(box, MinPageHeight, TPageSettings().PageHeight);
    if (QSize(m_pageWidth->value(), m_pageHeight->value()) != reference()) {
        TPageSettings &page = OutputProcess.CurrentPageSettings;
        (isWidth ? page.PageWidth : page.PageHeight) = box->value();
        page.PageStyle = CustomPaper;
        m_pageStyle->setCurrentIndex(m_pageStyle->findText(CustomPaper));
        m_pageStyle->setEditText(CustomPaper);
    }
    DrawPageThumbnail();
}

void TFrm_PageSetup::checkMinimum(NumberEdit *box, int minimum, int resetValue)
{
    if (box->value() >= minimum)
        return;
    Prompt::error(QStringLiteral("设置值不能小于 %1，设为默认值").arg(minimum));
    box->setValue(resetValue);
    box->setFocus();
    m_focusTakenBack = true;
}

bool TFrm_PageSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (m_closing)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!isUserFocusChange(event))
            break;
        if (watched == m_portrait || watched == m_landscape)
            orientationEntered(watched == m_portrait ? 0 : 1);
        else if (watched == m_pageWidth || watched == m_pageHeight)
            sizeBoxEntered();
        break;
    case QEvent::FocusOut:
        if (!isUserFocusChange(event))
            break;
        if (watched == m_pageWidth || watched == m_pageHeight)
            sizeBoxLeft(static_cast<NumberEdit *>(watched));
        else if (watched == m_apprCircsRows)
            checkMinimum(m_apprCircsRows, MinApprCircsRowCount, TPageSettings().ApprCircsRowCount);
        else if (watched == m_rowMaxCharCount)
            checkMinimum(m_rowMaxCharCount, MinRowMaxCharCount, TPageSettings().RowMaxCharCount);
        break;
    case QEvent::KeyPress:
        if (watched == m_portrait || watched == m_landscape) {
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                moveOrientationFocus(static_cast<QRadioButton *>(watched));
                return true;
            default:
                break;
            }
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A box whose check failed took the focus back from the button
        // clicked: the click is dropped.
        if (std::exchange(m_focusTakenBack, false) && !static_cast<QWidget *>(watched)->hasFocus())
            return true;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrm_PageSetup::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_closing)
        DrawPageThumbnail();
}

void TFrm_PageSetup::choosePrinter()
{
    try {
        const QString current = CurrentPrinter::device().name();
        const PrintChoice choice = Prompt::print(
            QStringLiteral("打印"), current, CurrentPrinter::device().jobOptions(), ReportPageCount);
        if (!choice.confirmed)
            return;
        if (choice.printerName != current) {
            CurrentPrinter::select(choice.printerName);
            m_printerTouched = true;
        }
        // The copies, pages and file chosen are those of the next prints.
        CurrentPrinter::device().setJobOptions(choice.job);
    } catch (const std::exception &) {
        Prompt::error(QStringLiteral("设置打印机错误!"));
    }
}

void TFrm_PageSetup::saveAsDefaults()
{
    if (!Prompt::confirm(
            QStringLiteral("是否更改页的默认设置?\r此更改将影响所有新增的鉴定报告。"), PromptButton::Yes))
        return;
    runReported([this] {
        takeDrawableControls();
        SavePageDefaults();
    });
}

void TFrm_PageSetup::resetToInitialValues()
{
    if (!Prompt::confirm(QStringLiteral("是否将当前页面设置恢复到初始值?"), PromptButton::Yes))
        return;
    ResetPageSettingsToInitial();
    showFields();
}

void TFrm_PageSetup::confirm()
{
    const bool done = runReported([this] {
        takeDrawableControls();
        if (m_target.reports)
            StorePageSettingsToRow(*m_target.reports);
        if (m_target.preview)
            m_target.preview->relayout();
        if (m_target.markModified)
            m_target.markModified();
    });
    if (done)
        accept();
}

// 取消 and Escape: back to the settings the dialog opened with. A paper the
// dialog gave the printer is replaced by the restored one, so that neither
// the printer nor a preview keeps a cancelled choice.
void TFrm_PageSetup::reject()
{
    try {
        OutputProcess.CurrentPageSettings = SavedPageSettings;
    } catch (const std::exception &) {
        Prompt::error(QStringLiteral("恢复页面设置原始数据错误!"));
    }
    if (m_printerTouched)
        SetupCurrentPaper();
    QDialog::reject();
}

// The title bar's close button runs neither 确定 nor 取消.
void TFrm_PageSetup::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        done(QDialog::Rejected);
    event->accept();
}

// An open preview hides its page picture and stops repainting while the
// dialog goes; the destructor gives both back.
void TFrm_PageSetup::done(int result)
{
    if (!m_closing && m_target.preview) {
        m_target.preview->setPictureVisible(false);
        m_target.preview->setRepaintingSuspended(true);
        m_previewHeld = true;
    }
    m_closing = true;
    QDialog::done(result);
}

void showPageSetup(QWidget *owner, const PageSetupTarget &target)
{
    TFrm_PageSetup dialog(owner, target);
    dialog.exec();
}
