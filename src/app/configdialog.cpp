#include "app/configdialog.h"

#include "base/appsettings.h"
#include "base/errorreport.h"
#include "base/processstate.h"
#include "editor/editorstate.h"
#include "widgets/numberedit.h"
#include "widgets/numericcheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int DefaultAutoSaveTime = 5;
constexpr int MillisecondsPerMinute = 60000;
// The choices of the default standard, in the order the list offers them.
constexpr AppraisalStandard Standards[] = { AppraisalStandard::Jgj125_2016, AppraisalStandard::Jgj125_99 };

// Every report window carries an automatic-saving timer, which writes its
// unsaved edits as a recovery record; all of them follow the setting.
void setAutoSaveTimerInterval(int minutes)
{
    const QString name = QStringLiteral("timerAutoSave");
    QList<QTimer *> timers;
    if (EditorProcess.LastOpenedWindow)
        timers << EditorProcess.LastOpenedWindow->findChildren<QTimer *>(name);
    for (QWidget *top : QApplication::topLevelWidgets())
        timers << top->findChildren<QTimer *>(name);
    for (QTimer *timer : std::as_const(timers))
        timer->setInterval(minutes * MillisecondsPerMinute);
}

QCheckBox *checkBox(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TFRM_Config::TFRM_Config(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FRM_Config"));
    setWindowTitle(QStringLiteral("配置"));
    setFont(QFont(QStringLiteral("宋体"), 9));
    buildControls();
    showStoredSettings();

    connect(m_defaultConfig, &QCheckBox::toggled, this, &TFRM_Config::defaultConfigToggled);
    connect(m_autoOpenItem, &QCheckBox::toggled, this, &TFRM_Config::autoOpenItemToggled);
    connect(m_defaultStandard, &QComboBox::activated, this, &TFRM_Config::defaultStandardChosen);
    connect(m_autoSaveTime, &NumberEdit::focusEntered, this, &TFRM_Config::autoSaveTimeEntered);
    connect(m_autoSaveTime, &NumberEdit::textChanged, this, &TFRM_Config::autoSaveTimeChanged);

    centreOnScreen();
}

void TFRM_Config::buildControls()
{
    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));

    auto *general = new QWidget(pages);
    general->setObjectName(QStringLiteral("TabSheet1"));
    m_autoOpenItem = checkBox(
        QStringLiteral("chkboxAutoOpenItem"), QStringLiteral("启动时自动打开最后关闭的数据库"), general);
    // What automatic saving does: it keeps unsaved edits for recovery; the
    // report reaches the database only through the save command.
    auto *autoSave = new QGroupBox(QStringLiteral("自动保存"), general);
    autoSave->setObjectName(QStringLiteral("GroupBox1"));
    auto *note = new QLabel(AutoSaveNote, autoSave);
    note->setObjectName(QStringLiteral("labAutoSaveNote"));
    note->setWordWrap(true);
    auto *intervalLabel = new QLabel(QStringLiteral("自动保存间隔时间(分)"), autoSave);
    intervalLabel->setObjectName(QStringLiteral("Label1"));
    m_autoSaveTime = new NumberEdit(autoSave);
    m_autoSaveTime->setObjectName(QStringLiteral("SpinEdit_AutoSaveTime"));
    m_autoSaveTime->setRange(1, 30);
    intervalLabel->setBuddy(m_autoSaveTime);
    auto *interval = new QHBoxLayout;
    interval->addWidget(intervalLabel);
    interval->addWidget(m_autoSaveTime);
    auto *autoSaveLayout = new QVBoxLayout(autoSave);
    autoSaveLayout->addLayout(interval);
    autoSaveLayout->addWidget(note);
    m_defaultStandard = new QComboBox(general);
    m_defaultStandard->setObjectName(QStringLiteral("cbbDefaultGradeStandard"));
    for (AppraisalStandard standard : Standards)
        m_defaultStandard->addItem(StandardName(standard), int(standard));
    auto *standardLabel = new QLabel(QStringLiteral("默认鉴定标准"), general);
    standardLabel->setBuddy(m_defaultStandard);
    auto *standardRow = new QHBoxLayout;
    standardRow->addWidget(standardLabel);
    standardRow->addWidget(m_defaultStandard);
    standardRow->addStretch();
    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(m_autoOpenItem);
    generalLayout->addLayout(standardRow);
    generalLayout->addWidget(autoSave);
    generalLayout->addStretch();
    pages->addTab(general, QStringLiteral("常用"));

    auto *other = new QWidget(pages);
    other->setObjectName(QStringLiteral("TabSheet2"));
    m_printSoftMess = checkBox(QStringLiteral("CB_IsPrintSoftMess"), QStringLiteral("打印软件信息"), other);
    auto *otherLayout = new QVBoxLayout(other);
    otherLayout->addWidget(m_printSoftMess);
    otherLayout->addStretch();
    pages->addTab(other, QStringLiteral("其它"));

    m_defaultConfig = checkBox(QStringLiteral("CheckBox_DefaultConfig"), QStringLiteral("默认设置"), this);

    auto *ok
        = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFRM_Config::confirm);
    auto *cancel
        = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultConfig);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    pages->setMinimumSize(320, 150);
}

void TFRM_Config::centreOnScreen()
{
    adjustSize();
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = rect();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

// Always what config.ini holds now, not the settings loaded at start-up.
void TFRM_Config::showStoredSettings()
{
    const TAppSettings stored = readAppSettings();
    m_autoSaveTime->setValue(stored.AutoSaveTime);
    m_autoOpenItem->setChecked(stored.AutoOpenItem);
    m_printSoftMess->setChecked(stored.IsPrintSoftMess);
    m_defaultStandard->setCurrentIndex(m_defaultStandard->findData(int(stored.DefaultGradeStandard)));
    m_enteredText = m_autoSaveTime->text();
    m_enteredValue = m_autoSaveTime->value();
}

void TFRM_Config::defaultConfigToggled(bool checked)
{
    if (!checked)
        return;
    m_autoSaveTime->setValue(DefaultAutoSaveTime);
    m_autoOpenItem->setChecked(true);
    m_printSoftMess->setChecked(true);
    m_defaultStandard->setCurrentIndex(m_defaultStandard->findData(int(TAppSettings().DefaultGradeStandard)));
}

void TFRM_Config::autoOpenItemToggled(bool checked)
{
    if (!checked)
        m_defaultConfig->setChecked(false);
}

void TFRM_Config::autoSaveTimeEntered()
{
    m_enteredText = m_autoSaveTime->text();
    m_enteredValue = m_autoSaveTime->value();
}

void TFRM_Config::defaultStandardChosen()
{
    if (AppraisalStandard(m_defaultStandard->currentData().toInt()) != TAppSettings().DefaultGradeStandard)
        m_defaultConfig->setChecked(false);
}

// Only the user's own edits count: the values the dialog puts into the field
// (on opening, for the default settings) arrive while it has no focus.
void TFRM_Config::autoSaveTimeChanged()
{
    if (!m_autoSaveTime->hasFocus())
        return;
    CheckNumericText(m_autoSaveTime, m_enteredText);
    if (m_autoSaveTime->value() != m_enteredValue)
        m_defaultConfig->setChecked(false);
}

// The file is written first: when that fails the running program keeps its
// settings and the dialog stays open.
void TFRM_Config::confirm()
{
    const bool written = runReported([this] {
        TAppSettings chosen = Process.Settings;
        chosen.AutoSaveTime = m_autoSaveTime->value();
        chosen.IsPrintSoftMess = m_printSoftMess->isChecked();
        chosen.DefaultGradeStandard = AppraisalStandard(m_defaultStandard->currentData().toInt());
        TAppSettings stored = chosen;
        stored.AutoOpenItem = m_autoOpenItem->isChecked();
        writeAppSettings(stored);
        Process.Settings = chosen;
        setAutoSaveTimerInterval(chosen.AutoSaveTime);
    });
    if (written)
        accept();
}
