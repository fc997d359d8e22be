#pragma once

#include "base/prompt.h"

class QWidget;

// Shows the program's prompts as real Qt dialogs, owned by the program's
// active window (a dialog, the print preview) or else the main window.
class WidgetPromptBackend : public PromptBackend
{
public:
    explicit WidgetPromptBackend(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { m_parent = parent; }

    PromptButton showMessage(const PromptRecord &prompt) override;
    QString chooseFile(const PromptRecord &prompt) override;
    PrintChoice confirmPrint(const PromptRecord &prompt) override;
    QString askPassword(const PromptRecord &prompt) override;

private:
    QWidget *owner() const;

    QWidget *m_parent;
};
