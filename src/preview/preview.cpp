#include "preview/preview.h"

#include "base/apperror.h"
#include "base/errorreport.h"
#include "base/prompt.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/paintercanvas.h"
#include "preview/pagesetupdialog.h"
#include "preview/previewscrollbox.h"
#include "preview/previewstate.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"
#include "printing/printerpage.h"
#include "widgets/updatessuspended.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The window's client area at its initial size (734 x 492 with the frame
// of the system it was designed on): a 726 x 428 scroll area under the
// 30-pixel button bar.
constexpr QSize InitialClientSize(726, 458);
constexpr int BarHeight = 30;
constexpr int ButtonWidth = 100;
// The gap around the picture at actual size, and the picture's top at the
// whole-page zoom after opening and after a page setup.
constexpr int ActualSizeMargin = 15;
constexpr int PictureTop = 5;
// Pixels scrolled per wheel notch by the window, and by the scroll area
// when it has the focus.
constexpr int WindowWheelStep = 40;
constexpr int ScrollBoxWheelStep = 20;
constexpr int WheelNotch = 120;

// trunc(range * cursor / window - factor * window / cursor), the scroll
// position that brings the clicked place into view; a cursor at screen
// column or row 0 scrolls to the start.
int positionTowardsCursor(int range, int cursor, int window, int factor)
{
    if (cursor <= 0 || window <= 0)
        return 0;
    return static_cast<int>(std::trunc(double(range) * cursor / window - double(factor) * window / cursor));
}

// The start that centres a length in the room; 0 when it does not fit.
int centred(int room, int length)
{
    return std::max(0, (room - length) / 2);
}

} // namespace

TFrm_Preview *TFrm_Preview::OpenPreview(QWidget *owner, const PrintedReportSource &source)
{
    std::unique_ptr<TFrm_Preview> preview(new TFrm_Preview(owner, source));
    TFrm_Preview *previous = current();
    PreviewProcess.CurrentPreview = preview.get();
    // A closed preview can no longer be reached; only the current one is kept.
    if (previous && previous->isHidden())
        previous->deleteLater();
    preview->showMaximized();
    return preview.release();
}

TFrm_Preview *TFrm_Preview::current()
{
    return qobject_cast<TFrm_Preview *>(PreviewProcess.CurrentPreview.data());
}

TFrm_Preview::TFrm_Preview(QWidget *owner, const PrintedReportSource &source)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_source(source)
{
    setObjectName(QStringLiteral("Frm_Preview"));
    setWindowTitle(QStringLiteral("打印预览"));
    buildControls();
    resize(InitialClientSize);
    placeControls();

    PreparePrintedPages(RequirePrintedReport(m_source));

    if (OutputProcess.PageCount == 1)
        m_next->setEnabled(false);
    m_prior->setEnabled(false);

    takePagePixels();
    m_zoom = wholePageZoom();
    SizePreviewImage();
    takePreviewDpi();
    m_scrollBox->setPicturePlace(QPoint(centred(m_scrollBox->width(), m_picture->width()), PictureTop));
    ShowPreviewPage();
}

TFrm_Preview::~TFrm_Preview() = default;

void TFrm_Preview::buildControls()
{
    m_bar = new QWidget(this);
    m_bar->setObjectName(QStringLiteral("Panel1"));
    m_printAll = button("bitbtnPrintAll", QStringLiteral("打印所有页&A"), 0);
    m_printCurrent = button("bitbtnPrintCurrent", QStringLiteral("打印当前页&C"), 1);
    m_prior = button("bitbtnPrior", QStringLiteral("上一页&P"), 2);
    m_next = button("bitbtnNext", QStringLiteral("下一页&N"), 3);
    m_printSetup = button("bitbtnPrintSetup", QStringLiteral("页面设置&S"), 4);
    m_exit = button("bitbtnExit", QStringLiteral("退出&X"), 5);

    m_scrollBox = new PreviewScrollBox(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_picture = new PreviewPicture(m_scrollBox);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_scrollBox->setPicture(m_picture);

    connect(m_printAll, &QPushButton::clicked, this, &TFrm_Preview::printAll);
    connect(m_printCurrent, &QPushButton::clicked, this, &TFrm_Preview::printCurrent);
    connect(m_prior, &QPushButton::clicked, this, &TFrm_Preview::priorPage);
    connect(m_next, &QPushButton::clicked, this, &TFrm_Preview::nextPage);
    connect(m_printSetup, &QPushButton::clicked, this, &TFrm_Preview::pageSetup);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_picture, &PreviewPicture::clicked, this, &TFrm_Preview::toggleZoom);
}

QPushButton *TFrm_Preview::button(const char *name, const QString &caption, int index)
{
    auto *b = new QPushButton(caption, m_bar);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(index * ButtonWidth, 0, ButtonWidth, BarHeight);
    return b;
}

// The bar runs across the top; the scroll area fills the rest. Placed by
// hand rather than by a layout, so that the sizes hold before the window is
// first shown, when the preview computes its zoom.
void TFrm_Preview::placeControls()
{
    m_bar->setGeometry(0, 0, width(), BarHeight);
    m_scrollBox->setGeometry(0, BarHeight, width(), std::max(0, height() - BarHeight));
}

void TFrm_Preview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void TFrm_Preview::takePreviewDpi()
{
    m_previewDpi = QSize(m_picture->logicalDpiX(), m_picture->logicalDpiY());
}

void TFrm_Preview::takePagePixels()
{
    PrinterDevice &printer = CurrentPrinter::device();
    m_pagePixels = PreviewPagePixels(printer.physicalPageSize(), printer.resolution(),
        QSize(m_picture->logicalDpiX(), m_picture->logicalDpiY()));
}

void TFrm_Preview::SizePreviewImage()
{
    takePagePixels();
    m_picture->setPictureSize(
        QSize(m_pagePixels.width() * m_zoom / 100, m_pagePixels.height() * m_zoom / 100));
    m_scrollBox->pictureResized();
}

// The zoom at which the sheet is as high as the scroll area.
int TFrm_Preview::wholePageZoom() const
{
    if (m_pagePixels.height() <= 0)
        throw AppError(QStringLiteral("打印纸的尺寸无效。"));
    return m_scrollBox->height() * 100 / m_pagePixels.height();
}

// Drawn in screen pixels of the sheet at 100 %, scaled equally on both axes
// onto the picture, so that the preview is laid out exactly as the printed page.
void TFrm_Preview::ShowPreviewPage()
{
    if (m_pagePixels.isEmpty() || m_picture->width() <= 0 || m_picture->height() <= 0)
        return;
    QPainter painter(&m_picture->image());
    const double scale = std::min(double(m_picture->width()) / m_pagePixels.width(),
        double(m_picture->height()) / m_pagePixels.height());
    painter.scale(scale, scale);
    PainterCanvas canvas(painter, m_previewDpi);
    const QString file = PageFileName(ProgramPageFolder(), m_currentPage);
    runReported([&] {
        DrawPageFile(canvas, true, CurrentPageGeometry(), m_previewDpi.width(), m_previewDpi.height(), file,
            m_pagePixels);
    });
    painter.end();
    m_picture->update();
}

void TFrm_Preview::priorPage()
{
    --m_currentPage;
    if (m_currentPage <= 1)
        m_prior->setEnabled(false);
    if (m_currentPage < OutputProcess.PageCount)
        m_next->setEnabled(true);
    ShowPreviewPage();
}

void TFrm_Preview::nextPage()
{
    ++m_currentPage;
    if (m_currentPage > 1)
        m_prior->setEnabled(true);
    if (m_currentPage >= OutputProcess.PageCount)
        m_next->setEnabled(false);
    ShowPreviewPage();
}

void TFrm_Preview::toggleZoom(const QPoint &cursorOnScreen)
{
    const int W = width();
    const int H = height();
    const int X = cursorOnScreen.x();
    const int Y = cursorOnScreen.y();
    // The repainting stands still while the picture changes size and place.
    const UpdatesSuspended still(this);
    m_picture->clear();
    runReported([&] {
        if (m_zoom == 100) {
            m_zoom = wholePageZoom();
            SizePreviewImage();
            const QSize picture = m_picture->size();
            m_scrollBox->setRange(Qt::Horizontal, picture.width());
            m_scrollBox->setPosition(Qt::Vertical, 0);
            m_scrollBox->setRange(Qt::Vertical, picture.height());
            m_scrollBox->setPicturePlace(QPoint(centred(m_scrollBox->width(), picture.width()),
                centred(m_scrollBox->height(), picture.height())));
        } else {
            m_zoom = 100;
            SizePreviewImage();
            const QSize picture = m_picture->size();
            const int horizontalRange = picture.width() + 2 * ActualSizeMargin;
            m_scrollBox->setPicturePlace(QPoint(ActualSizeMargin, m_scrollBox->picturePlace().y()));
            m_scrollBox->setRange(Qt::Horizontal, horizontalRange);
            m_scrollBox->setPosition(Qt::Horizontal, positionTowardsCursor(horizontalRange, X, W, 150));
            if (picture.height() > m_scrollBox->height()) {
                const int verticalRange = picture.height() + 2 * ActualSizeMargin;
                m_scrollBox->setPicturePlace(QPoint(ActualSizeMargin, ActualSizeMargin));
                m_scrollBox->setRange(Qt::Vertical, verticalRange);
                m_scrollBox->setPosition(Qt::Vertical, positionTowardsCursor(verticalRange, Y, H, 50));
            }
        }
    });
    ShowPreviewPage();
}

void TFrm_Preview::wheelEvent(QWheelEvent *event)
{
    m_wheelDelta += event->angleDelta().y();
    while (std::abs(m_wheelDelta) >= WheelNotch) {
        const int direction = m_wheelDelta > 0 ? -1 : 1; // away from the user: up
        m_wheelDelta += direction * WheelNotch;
        // The scroll area with the focus scrolls first, then the window.
        const int step = WindowWheelStep + (m_scrollBox->hasFocus() ? ScrollBoxWheelStep : 0);
        m_scrollBox->scrollBy(direction * step, direction * step);
    }
    event->accept();
}

void TFrm_Preview::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFrm_Preview::printAll()
{
    runReported([] { PrintAllReportPages(); });
}

void TFrm_Preview::printCurrent()
{
    runReported([this] { PrintReportPages(m_currentPage, m_currentPage); });
}

// The dialog works on the report active now; afterwards the page shown is
// drawn again, however the dialog ended.
void TFrm_Preview::pageSetup()
{
    try {
        const PrintedReport report = RequirePrintedReport(m_source);
        showPageSetup(this, { report.reports, report.markModified, this });
    } catch (...) {
        Prompt::error(QStringLiteral("页面设置窗口错误!"));
    }
    setRepaintingSuspended(true);
    ShowPreviewPage();
    setRepaintingSuspended(false);
}

void TFrm_Preview::RelayoutPreview()
{
    setRepaintingSuspended(true);
    SetupCurrentPaper();
    m_picture->hide();
    runReported([this] {
        SizePreviewImage();
        takePreviewDpi();
        m_scrollBox->setPicturePlace(QPoint(centred(m_scrollBox->width(), m_picture->width()), PictureTop));
        BuildPrintedPages(RequirePrintedReport(m_source));
    });
}

void TFrm_Preview::relayout()
{
    RelayoutPreview();
}

void TFrm_Preview::setPictureVisible(bool visible)
{
    m_picture->setVisible(visible);
}

void TFrm_Preview::setRepaintingSuspended(bool suspended)
{
    setUpdatesEnabled(!suspended);
    if (!suspended)
        update();
}
