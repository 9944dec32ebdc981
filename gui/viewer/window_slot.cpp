#include "window_slot.h"

#include <QDir>
#include <QStandardPaths>

WindowSlot::WindowSlot()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return;
    for (int slot = 0; slot < kSlots; ++slot) {
        auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("ulnik-okno-%1.lock").arg(slot)));
        // A lock whose process is gone is stale at once, whatever its age.
        lock->setStaleLockTime(0);
        if (lock->tryLock()) {
            lock_ = std::move(lock);
            index_ = slot;
            return;
        }
    }
}
