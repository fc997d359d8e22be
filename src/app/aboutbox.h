#pragma once

#include <QDialog>

// The About dialog: the product title and the version. A click anywhere on
// it closes it. Created once at start-up and shown modally on demand.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
