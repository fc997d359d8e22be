#include "app/aboutbox.h"

#include "base/processstate.h"
#include "base/version.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(AppTitle);

    // Without a window frame, a raised panel marks the dialog's edge.
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    auto *title = new QLabel(AppTitle, panel);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *version = new QLabel(QStringLiteral("版本 ") + QLatin1String(AppVersion), panel);
    version->setObjectName(QStringLiteral("Version"));

    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->setSpacing(12);
    layout->addWidget(title, 0, Qt::AlignCenter);
    layout->addWidget(version, 0, Qt::AlignCenter);
}

void TAboutBox::mousePressEvent(QMouseEvent *)
{
    accept();
}
