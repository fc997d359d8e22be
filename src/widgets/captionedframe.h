#pragma once

#include <QGroupBox>

// A frame with a caption, drawn as the dialogs were laid out for: its border
// runs through the middle of the caption, which stands in a gap of the
// border, so that the frame encloses whatever is placed below the caption.
// (Qt's own styles draw the border below the caption, cutting through
// controls placed at the designed coordinates.)
class CaptionedFrame : public QGroupBox
{
public:
    CaptionedFrame(const QString &caption, QWidget *parent);

    // The band of the caption, from the top: nothing placed in the frame
    // should reach into it.
    int captionHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
