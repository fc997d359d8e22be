#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

// The character palette "插入字符": 19 flat buttons, each putting its one
// special character (full-width arithmetic signs, per mille, circled
// numbers, square metre) into the multi-line text box that has the focus in
// the active report window. It stays open after every button, so that
// several characters can go in one after the other, and closes on any key
// that produces a character.
class TfrmInsertCharacter : public QDialog
{
    Q_OBJECT

public:
    // The control to insert into: the focused control of the active report
    // window, or null when there is none.
    using FocusedControl = std::function<QWidget *()>;

    explicit TfrmInsertCharacter(FocusedControl focusedControl, QWidget *parent = nullptr);

    // The characters of SpeedButton1 to SpeedButton19, in order.
    static const QStringList &characters();

    // Puts the character at the caret of the focused multi-line text box; a
    // selection there is emptied (its text stays) and the character goes
    // where the caret stands. Returns false, changing nothing, when the
    // focused control is no multi-line text box or there is none.
    bool InsertPaletteCharacter(const QString &character);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buttonClicked(const QString &character);

    FocusedControl m_focusedControl;
};
