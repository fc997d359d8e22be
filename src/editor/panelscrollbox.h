#pragma once

#include <QScrollArea>

// A scroll box holding one fixed-size panel at a position the report window
// chooses (it centres the panel when the window changes size). Each step of
// the mouse wheel moves both scroll positions by 20 pixels.
class PanelScrollBox : public QScrollArea
{
    Q_OBJECT

public:
    explicit PanelScrollBox(QWidget *panel, QWidget *parent = nullptr);

    static constexpr int WheelStep = 20;

    QWidget *panel() const { return m_panel; }
    // The panel's first control in tab order that takes the focus from the
    // keyboard, or null.
    QWidget *firstField() const;
    // Puts the panel's top left corner at (left, top) of the scrolled area,
    // which grows to hold it and fills at least the visible part.
    void placePanel(int left, int top);
    void scrollToTop();

signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void fitCanvas();

    QWidget *m_canvas;
    QWidget *m_panel;
};
