#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include <functional>

// Paints the entries a test picks out white on green, also while they are
// selected or have the focus: the shown report in the report list, the
// entry of the current cell in the choice list.
class MarkDelegate : public QStyledItemDelegate
{
public:
    static inline const QColor Background { 0, 128, 0 };
    static inline const QColor Text { 255, 255, 255 };

    MarkDelegate(std::function<bool(const QModelIndex &)> isMarked, QObject *parent);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    std::function<bool(const QModelIndex &)> m_isMarked;
};
