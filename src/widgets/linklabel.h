#pragma once

#include <QLabel>

// A label drawn as a link (blue, underlined, hand cursor) that reports a
// click. Its text stays plain, so text() is exactly what is shown.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
