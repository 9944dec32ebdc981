#pragma once
// Where a main window opens among the program's other windows, of this process or another:
// each holds the first free slot (a lock file in the user's runtime folder, let go when the
// window or its process ends), and slot N opens N steps down and to the right of the centre,
// so that a second window never lies exactly over the first.
#include <QLockFile>

#include <memory>

class WindowSlot {
public:
    static constexpr int kStep = 28;    // pixels down and right, a title bar's height
    static constexpr int kSlots = 12;   // after which windows open at the centre again

    WindowSlot();
    int Index() const { return index_; }

private:
    std::unique_ptr<QLockFile> lock_;
    int index_ = 0;
};
