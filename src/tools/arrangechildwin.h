#pragma once

#include <QDialog>
#include <QPointer>

#include <array>

class QAction;
class QButtonGroup;

// The dialog "重排窗口": tiles or cascades the report windows inside the
// main window through the main window's own window commands. 应用 arranges
// and stays open, so that the arrangements can be tried in turn; 确定
// arranges and closes; 取消 closes, keeping what 应用 did. No button answers
// Enter or Esc.
class TfrmArrangeChildWin : public QDialog
{
    Q_OBJECT

public:
    // The window commands, in the order of the radio group's items: arrange
    // all (平铺, tiles in the present tiling mode), tile horizontally
    // (水平并排), tile vertically (垂直并排), cascade (层叠).
    using Commands = std::array<QAction *, 4>;

    explicit TfrmArrangeChildWin(const Commands &commands, QWidget *parent = nullptr);

    // Runs the command of the item selected in RadioGroup1.
    void ApplyArrangement();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::array<QPointer<QAction>, 4> m_commands;
    QButtonGroup *m_items = nullptr;
};
