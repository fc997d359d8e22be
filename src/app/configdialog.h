#pragma once

#include <QDialog>
#include <QString>

class NumberEdit;
class QCheckBox;
class QComboBox;

// The options dialog: shows the settings as config.ini holds them when it
// opens, writes them back on OK and applies them to the running program.
// Cancel, Escape and the close box leave file and settings untouched.
class TFRM_Config : public QDialog
{
    Q_OBJECT

public:
    // The automatic-saving group's explanation.
    static inline const QString AutoSaveNote
        = QStringLiteral("每隔上面的时间，以及离开报告窗口时，未保存的修改会另存为恢复记录；"
                         "程序意外退出后，下次启动时会询问是否恢复。报告仍只在保存时写入数据库。");

    explicit TFRM_Config(QWidget *parent = nullptr);

private:
    void buildControls();
    void centreOnScreen();
    void showStoredSettings();
    void defaultConfigToggled(bool checked);
    void autoOpenItemToggled(bool checked);
    void defaultStandardChosen();
    void autoSaveTimeEntered();
    void autoSaveTimeChanged();
    void confirm();

    QCheckBox *m_autoOpenItem = nullptr;
    NumberEdit *m_autoSaveTime = nullptr;
    QCheckBox *m_printSoftMess = nullptr;
    QComboBox *m_defaultStandard = nullptr; // the standard of new reports
    QCheckBox *m_defaultConfig = nullptr;

    // What the interval field held when it last received the focus.
    QString m_enteredText;
    int m_enteredValue = 0;
};
