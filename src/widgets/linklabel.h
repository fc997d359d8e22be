#pragma once

#include <QLabel>

// A label drawn as a link (underlined, in the palette's link colour, hand
// cursor) that reports a click. Its text stays plain, so text() is exactly
// what is shown. It follows the theme: a changed palette changes its colour,
// a changed font its size.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
};
