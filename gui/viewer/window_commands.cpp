#include "window_commands.h"

#include <span>

namespace {

void AddShortcuts(const WindowKey& key, QList<QKeySequence>& shortcuts)
{
    static constexpr Qt::KeyboardModifier kHeld[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    if (!key.anyModifiers) {
        shortcuts << QKeySequence(key.keys);
        return;
    }
    for (unsigned subset = 0; subset < 1u << std::size(kHeld); ++subset) {
        Qt::KeyboardModifiers modifiers = key.keys.keyboardModifiers();
        for (unsigned i = 0; i < std::size(kHeld); ++i)
            if (subset & (1u << i))
                modifiers |= kHeld[i];
        shortcuts << QKeySequence(QKeyCombination(modifiers, key.keys.key()));
    }
}

}  // namespace

QList<QKeySequence> ShortcutsOf(WindowCommand command)
{
    QList<QKeySequence> shortcuts;
    for (const std::span<const WindowKey> table : {std::span<const WindowKey>(kWindowKeys), std::span<const WindowKey>(kZoomKeys)})
        for (const WindowKey& key : table)
            if (key.command == command)
                AddShortcuts(key, shortcuts);
    return shortcuts;
}
