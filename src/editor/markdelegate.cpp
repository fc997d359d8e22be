#include "editor/markdelegate.h"

MarkDelegate::MarkDelegate(std::function<bool(const QModelIndex &)> isMarked, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_isMarked(std::move(isMarked))
{ }

void MarkDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!m_isMarked(index))
        return;
    option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    option->backgroundBrush = Background;
    for (auto role : { QPalette::Text, QPalette::HighlightedText, QPalette::WindowText })
        option->palette.setColor(role, Text);
}
