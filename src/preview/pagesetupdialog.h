#pragma once

#include "output/pagesettings.h"
#include "preview/pagesetuptarget.h"

#include <QDialog>
#include <QList>
#include <QSize>

class NumberEdit;
class CaptionedFrame;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The page setup dialog: edits the current page settings of the report in
// the active report window. Choosing a paper or an orientation applies it to
// the printer at once and takes the sheet size the printer reports. 确定
// stores the settings into the report's row, 默认... makes them the defaults
// for new reports, 取消 returns to the settings the dialog opened with; the
// title bar's close button leaves the settings as the dialog's steps left
// them and stores nothing.
class TFrm_PageSetup : public QDialog
{
    Q_OBJECT

public:
    TFrm_PageSetup(QWidget *owner, const PageSetupTarget &target);
    ~TFrm_PageSetup() override;

    // Puts the paper style, size and orientation shown into the current page
    // settings, gives them to the printer and shows the sheet size read back.
    void ApplyPaperToPrinter();
    // Draws the schematic page of the current page size into the frame 预览
    // of the tab shown.
    void DrawPageThumbnail();

    // The pair of sizes against which a typed width or height is compared to
    // decide whether the paper became custom paper. It belongs to the
    // process and is kept from one dialog to the next.
    static QSize referenceSize();
    static void resetReferenceSize();

    void done(int result) override;
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QWidget *buildPaperTab();
    QWidget *buildMarginTab();
    QWidget *buildCoverTab();
    QWidget *buildRowHeightTab();
    QWidget *buildColumnWidthTab();
    // A labelled box for a whole-number field, "毫米" after it unless told otherwise.
    NumberEdit *numberBox(QWidget *parent, const char *name, const QString &caption, int x, int y,
        int labelWidth, int TPageSettings::*field, bool millimetres = true);
    void centreOnOwner();

    void showFields();
    void showOrientationPicture(int orientation);
    void takeControls();
    void takeDrawableControls();

    void paperStyleChosen();
    void orientationEntered(int orientation);
    void moveOrientationFocus(QRadioButton *from);
    void sizeBoxEntered();
    void sizeBoxLeft(NumberEdit *box);
    void checkMinimum(NumberEdit *box, int minimum, int resetValue);
    void movePreviewFrameToCurrentTab();

    void choosePrinter();
    void saveAsDefaults();
    void resetToInitialValues();
    void confirm();

    PageSetupTarget m_target;
    TPageSettings SavedPageSettings;
    // Set once the dialog has given a paper or a printer choice to the printer.
    bool m_printerTouched = false;
    // Set when the dialog starts closing: focus leaving a box then is no edit.
    bool m_closing = false;
    // Set when a box refused a value and took the focus back: the click that
    // moved the focus away is dropped.
    bool m_focusTakenBack = false;
    // Set when closing hid an open preview's picture and stopped its repainting.
    bool m_previewHeld = false;

    // Every number box with the field it shows.
    struct NumberField
    {
        NumberEdit *box;
        int TPageSettings::*field;
    };
    QList<NumberField> m_numberFields;

    QTabWidget *m_pages = nullptr;
    QComboBox *m_pageStyle = nullptr;
    NumberEdit *m_pageWidth = nullptr;
    NumberEdit *m_pageHeight = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    QLabel *m_uprightPicture = nullptr;
    QLabel *m_sidewaysPicture = nullptr;
    QListWidget *m_covPrintSel = nullptr;
    NumberEdit *m_apprCircsRows = nullptr;
    NumberEdit *m_rowMaxCharCount = nullptr;
    CaptionedFrame *m_previewFrame = nullptr;
    QLabel *m_thumbnail = nullptr;
};

// Opens the page setup dialog modally over its owner (the main window or the
// preview window) for the given report, and destroys it when it closes.
void showPageSetup(QWidget *owner, const PageSetupTarget &target);
