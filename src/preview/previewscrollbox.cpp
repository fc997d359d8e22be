#include "preview/previewscrollbox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

PreviewPicture::PreviewPicture(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // the bitmap covers the whole picture
}

void PreviewPicture::setPictureSize(const QSize &size)
{
    resize(size);
    const qreal ratio = devicePixelRatioF();
    m_image = QImage((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    clear();
}

void PreviewPicture::clear()
{
    m_image.fill(Qt::white);
    update();
}

void PreviewPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_image);
}

void PreviewPicture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PreviewPicture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click
        = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(event->globalPosition().toPoint());
}

PreviewScrollBox::PreviewScrollBox(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    QPalette desktop = palette();
    desktop.setColor(QPalette::Window, QColor(0x3a, 0x6e, 0xa5)); // the classic desktop colour
    viewport()->setPalette(desktop);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
}

void PreviewScrollBox::setPicture(QWidget *picture)
{
    m_picture = picture;
    picture->setParent(viewport());
    placePicture();
    updateScrollBars();
}

void PreviewScrollBox::setPicturePlace(const QPoint &place)
{
    m_place = place;
    updateScrollBars();
    placePicture();
}

void PreviewScrollBox::pictureResized()
{
    updateScrollBars();
    placePicture();
}

int PreviewScrollBox::range(Qt::Orientation orientation) const
{
    if (orientation == Qt::Horizontal)
        return std::max(m_horizontalRange, m_picture ? m_place.x() + m_picture->width() : 0);
    return std::max(m_verticalRange, m_picture ? m_place.y() + m_picture->height() : 0);
}

void PreviewScrollBox::setRange(Qt::Orientation orientation, int range)
{
    (orientation == Qt::Horizontal ? m_horizontalRange : m_verticalRange) = std::max(range, 0);
    updateScrollBars();
    placePicture();
}

int PreviewScrollBox::position(Qt::Orientation orientation) const
{
    return (orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar())->value();
}

void PreviewScrollBox::setPosition(Qt::Orientation orientation, int position)
{
    // The scroll bar keeps the value within its range.
    (orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar())->setValue(position);
}

void PreviewScrollBox::scrollBy(int dx, int dy)
{
    setPosition(Qt::Horizontal, position(Qt::Horizontal) + dx);
    setPosition(Qt::Vertical, position(Qt::Vertical) + dy);
}

void PreviewScrollBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    placePicture();
}

void PreviewScrollBox::scrollContentsBy(int, int)
{
    placePicture();
}

void PreviewScrollBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

// The visible part is the area less the scroll bars that the ranges need;
// worked out here rather than taken from the viewport, so that ranges and
// positions are right even before the window is first shown.
void PreviewScrollBox::updateScrollBars()
{
    const int horizontal = range(Qt::Horizontal);
    const int vertical = range(Qt::Vertical);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool needHorizontal = horizontal > width();
    bool needVertical = vertical > height();
    if (needHorizontal && !needVertical)
        needVertical = vertical > height() - bar;
    if (needVertical && !needHorizontal)
        needHorizontal = horizontal > width() - bar;
    const int visibleWidth = std::max(0, width() - (needVertical ? bar : 0));
    const int visibleHeight = std::max(0, height() - (needHorizontal ? bar : 0));
    horizontalScrollBar()->setRange(0, std::max(0, horizontal - visibleWidth));
    horizontalScrollBar()->setPageStep(std::max(1, visibleWidth));
    verticalScrollBar()->setRange(0, std::max(0, vertical - visibleHeight));
    verticalScrollBar()->setPageStep(std::max(1, visibleHeight));
}

void PreviewScrollBox::placePicture()
{
    if (m_picture)
        m_picture->move(m_place - QPoint(position(Qt::Horizontal), position(Qt::Vertical)));
}
