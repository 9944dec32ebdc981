#include "command_table.h"

#include <iterator>
#include <stdexcept>

namespace {

void AddShortcuts(QKeyCombination keys, bool anyModifiers, QList<QKeySequence>& shortcuts)
{
    static constexpr Qt::KeyboardModifier kHeld[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    if (!anyModifiers) {
        shortcuts << QKeySequence(keys);
        return;
    }
    for (unsigned subset = 0; subset < 1u << std::size(kHeld); ++subset) {
        Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
        for (unsigned i = 0; i < std::size(kHeld); ++i)
            if (subset & (1u << i))
                modifiers |= kHeld[i];
        shortcuts << QKeySequence(QKeyCombination(modifiers, keys.key()));
    }
}

}  // namespace

const CommandRow& RowOf(browser_layout::HotArea area)
{
    for (const CommandRow& row : kCommands)
        if (row.hotArea == area)
            return row;
    throw std::logic_error("a hot area without its command");  // the table's checks rule it out
}

QList<QKeySequence> ShortcutsOf(WindowCommand command)
{
    QList<QKeySequence> shortcuts;
    const CommandRow& row = RowOf(command);
    for (const QKeyCombination keys : row.keys)
        if (keys.key() != Qt::Key_unknown)
            AddShortcuts(keys, row.anyModifiers, shortcuts);
    return shortcuts;
}
