#include "window_keys.h"

QList<QKeySequence> ShortcutsOf(KeyCommand command)
{
    static constexpr Qt::KeyboardModifier kHeld[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    QList<QKeySequence> shortcuts;
    for (const WindowKey& key : kWindowKeys) {
        if (key.command != command)
            continue;
        if (!key.anyModifiers) {
            shortcuts << QKeySequence(key.keys);
            continue;
        }
        for (unsigned subset = 0; subset < 1u << std::size(kHeld); ++subset) {
            Qt::KeyboardModifiers modifiers = key.keys.keyboardModifiers();
            for (unsigned i = 0; i < std::size(kHeld); ++i)
                if (subset & (1u << i))
                    modifiers |= kHeld[i];
            shortcuts << QKeySequence(QKeyCombination(modifiers, key.keys.key()));
        }
    }
    return shortcuts;
}
