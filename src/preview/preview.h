#pragma once

#include "preview/pagesetuptarget.h"
#include "preview/previewstate.h"
#include "printing/reportprinting.h"

#include <QSize>
#include <QWidget>

class PreviewPicture;
class PreviewScrollBox;
class QPushButton;

// The print preview window "打印预览": one page of the report at a time on a
// picture of the printer's sheet, drawn from the page files by the same
// page drawing as the printer, scaled from the sheet at 100 % onto the
// picture. It pages back and forth, toggles between the whole page and
// actual size with a click on the page, scrolls with the mouse wheel,
// prints all pages or the page shown, and opens the page setup dialog.
//
// Not modal and always on top; closing only hides it. The window opened
// last is the current preview (PreviewProcess.CurrentPreview), which the page
// setup dialog lays out anew when its settings change.
class TFrm_Preview : public QWidget, public PreviewHooks
{
    Q_OBJECT

public:
    // Opens a preview of the report the source gives now: its page settings
    // and paper, its page files, page 1 at the whole-page zoom. The window
    // is owned by the owner, becomes the current preview and is shown
    // maximised. An earlier preview that has been closed is dropped. Throws
    // AppError when there is no report or its pages cannot be written; no
    // window is left then.
    static TFrm_Preview *OpenPreview(QWidget *owner, const PrintedReportSource &source);

    // The current preview, or null.
    static TFrm_Preview *current();

    ~TFrm_Preview() override;

    int CurrentPage() const { return m_currentPage; }
    // Percent: 100 is the sheet at screen resolution.
    int PreviewZoom() const { return m_zoom; }
    // The printer's whole sheet in screen pixels at 100 % (PagePixelWidth, PagePixelHeight).
    QSize PagePixels() const { return m_pagePixels; }
    // The screen's dots per inch that the page is drawn with (PreviewDpiX, PreviewDpiY).
    QSize PreviewDpi() const { return m_previewDpi; }

    // Draws page CurrentPage() onto the picture.
    void ShowPreviewPage();
    // Lays the preview out for the current page settings after a page
    // setup: printer paper, picture size and place, page files. Leaves the
    // repainting suspended and the picture hidden (see PreviewHooks).
    void RelayoutPreview();
    // The click on the picture: whole page and actual size in turn, at
    // actual size scrolled towards the cursor's place on the screen.
    void toggleZoom(const QPoint &cursorOnScreen);

    // PreviewHooks, for the page setup dialog.
    void relayout() override;
    void setPictureVisible(bool visible) override;
    void setRepaintingSuspended(bool suspended) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    TFrm_Preview(QWidget *owner, const PrintedReportSource &source);

    void buildControls();
    void placeControls();
    QPushButton *button(const char *name, const QString &caption, int index);

    // The printer's sheet in screen pixels at 100 % into m_pagePixels.
    void takePagePixels();
    // Sizes the picture for the sheet at m_zoom, from new page pixels.
    void SizePreviewImage();
    int wholePageZoom() const;
    void takePreviewDpi();

    void priorPage();
    void nextPage();
    void printAll();
    void printCurrent();
    void pageSetup();

    PrintedReportSource m_source;
    int m_currentPage = 1;
    int m_zoom = 100;
    QSize m_pagePixels;
    QSize m_previewDpi;
    int m_wheelDelta = 0;

    QWidget *m_bar = nullptr;
    QPushButton *m_printAll = nullptr;
    QPushButton *m_printCurrent = nullptr;
    QPushButton *m_prior = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_printSetup = nullptr;
    QPushButton *m_exit = nullptr;
    PreviewScrollBox *m_scrollBox = nullptr;
    PreviewPicture *m_picture = nullptr;
};
