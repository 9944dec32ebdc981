#include "name_index.h"

#include <algorithm>

#include "name_key.h"

int NameIndex::Find(std::u16string_view name) {
    int found = -1;
    if (next_ < firstOfKey_.size() && firstOfKey_[next_] && SameKey(nameAt_(static_cast<int>(next_)), name))
        found = static_cast<int>(next_);
    else
        found = Find(name, KeyHash(name));
    if (found >= 0) next_ = static_cast<size_t>(found) + 1;
    return found;
}

int NameIndex::Find(std::u16string_view name, std::uint32_t hash) const {
    return Find(hash, [name] { return name; });
}

template <typename NameOf>
int NameIndex::Find(std::uint32_t hash, NameOf name) const {
    if (slots_.empty()) return -1;
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t entry = slots_[i];
        if (entry == 0) return -1;
        const int position = static_cast<int>(entry & 0xFFFFFFFF) - 1;
        if (entry >> 32 == hash && SameKey(nameAt_(position), name())) return position;
    }
}

void NameIndex::Add(std::uint32_t hash, int position) { firstOfKey_.push_back(Insert(hash, position)); }

// The first child of a name keeps answering for it; later ones only take up their place.
bool NameIndex::Insert(std::uint32_t hash, int position) {
    if (Find(hash, [&]() -> std::u16string_view { return nameAt_(position); }) >= 0) return false;
    if (2 * (used_ + 1) > slots_.size()) Grow(slots_.empty() ? 16 : 2 * slots_.size());
    Place(std::uint64_t{hash} << 32 | static_cast<std::uint32_t>(position + 1));
    ++used_;
    return true;
}

// A big block's table outgrows the cache, and inserting in child order would land each entry
// somewhere random. Sorting the children by the region of the table they land in (stably, so
// that of two equal names the earlier still comes first) makes the inserts sweep the table once.
void NameIndex::Build(const std::vector<std::uint32_t>& hashes) {
    const size_t n = hashes.size();
    size_t size = 16;
    while (size < 2 * n) size *= 2;
    if (size > slots_.size()) Grow(size);
    const size_t regions = std::min<size_t>(slots_.size(), 4096), regionSize = slots_.size() / regions;
    auto region = [&](size_t i) { return (hashes[i] & (slots_.size() - 1)) / regionSize; };
    std::vector<std::uint32_t> start(regions + 1, 0), order(n);
    for (size_t i = 0; i < n; ++i) ++start[region(i) + 1];
    for (size_t r = 0; r < regions; ++r) start[r + 1] += start[r];
    for (size_t i = 0; i < n; ++i) order[start[region(i)]++] = static_cast<std::uint32_t>(i);
    firstOfKey_.assign(n, false);
    for (std::uint32_t i : order) firstOfKey_[i] = Insert(hashes[i], static_cast<int>(i));
}

void NameIndex::Place(std::uint64_t entry) {
    const size_t mask = slots_.size() - 1;
    size_t i = (entry >> 32) & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = entry;
}

void NameIndex::Grow(size_t size) {
    std::vector<std::uint64_t> old = std::move(slots_);
    slots_.assign(size, 0);
    for (std::uint64_t entry : old)
        if (entry != 0) Place(entry);
}
