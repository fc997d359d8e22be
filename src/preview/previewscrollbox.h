#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <QWidget>

// The page picture of the print preview: a bitmap of the sheet at the
// preview's zoom, drawn at the screen's device pixel ratio so that text
// stays sharp on a high-density screen. A click on it reports the cursor's
// screen position.
class PreviewPicture : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPicture(QWidget *parent);

    // Gives the picture and its bitmap this size (in screen pixels) and
    // clears the bitmap to white.
    void setPictureSize(const QSize &size);
    void clear();
    // The bitmap, devicePixelRatio() times the picture's size.
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

signals:
    void clicked(const QPoint &cursorOnScreen);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    bool m_pressed = false;
};

// The preview's scroll area: a borderless area in the desktop colour that
// holds the page picture at a place of its own. Like a scroll box whose
// ranges can be given, each scroll bar's range is the extent of the
// scrollable content (the larger of the range given and the picture's far
// edge); the scroll bars move the view while they are dragged, and scroll
// positions stay within 0 and the range less the visible part.
class PreviewScrollBox : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit PreviewScrollBox(QWidget *parent);

    void setPicture(QWidget *picture);

    // The picture's place in the content, and its far edge.
    QPoint picturePlace() const { return m_place; }
    void setPicturePlace(const QPoint &place);
    // Follows a change of the picture's size.
    void pictureResized();

    // The content's extent per direction.
    int range(Qt::Orientation orientation) const;
    void setRange(Qt::Orientation orientation, int range);
    int position(Qt::Orientation orientation) const;
    void setPosition(Qt::Orientation orientation, int position);
    void scrollBy(int dx, int dy);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    // The notch travels on to the preview window, which scrolls.
    void wheelEvent(QWheelEvent *event) override;

private:
    void updateScrollBars();
    void placePicture();

    QWidget *m_picture = nullptr;
    QPoint m_place;
    int m_horizontalRange = 0;
    int m_verticalRange = 0;
};
