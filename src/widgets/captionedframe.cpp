#include "widgets/captionedframe.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {

// Where the caption starts, and the room left and right of its text.
constexpr int CaptionIndent = 6;
constexpr int CaptionPadding = 2;

} // namespace

CaptionedFrame::CaptionedFrame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{ }

int CaptionedFrame::captionHeight() const
{
    return fontMetrics().height();
}

void CaptionedFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect caption(
        CaptionIndent, 0, fontMetrics().horizontalAdvance(title()) + 2 * CaptionPadding, captionHeight());
    // An etched border, as on the dialogs of the system the layout comes from.
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(caption));
    qDrawShadeRect(&painter, rect().adjusted(0, captionHeight() / 2, 0, 0), palette(), true, 1);
    painter.restore();
    style()->drawItemText(
        &painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(), QPalette::WindowText);
}
