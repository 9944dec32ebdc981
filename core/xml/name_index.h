#pragma once
// Where the first child of each name key sits, so that a node with thousands of children
// answers lookups without scanning them. Open addressing over (hash, position) pairs: no
// per-entry allocation, and the names themselves stay in the children. Readers mostly ask for
// the children in their order (w0, w1, ...), so the child after the last one found is tried
// first, which keeps a long walk through a block in cache.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class NameIndex {
public:
    using NameAt = std::function<const std::u16string&(int)>;

    explicit NameIndex(NameAt nameAt) : nameAt_(std::move(nameAt)) {}

    // The position of the first child whose name has the key of `name`, or -1.
    int Find(std::u16string_view name);
    // Indexes the children at once, from the KeyHash of each one's name.
    void Build(const std::vector<std::uint32_t>& hashes);
    // Notes the child just appended at `position` (nameAt must already reach it).
    void Add(std::uint32_t hash, int position);

private:
    // The first position holding the key, comparing names only where the hashes agree.
    template <typename NameOf>
    int Find(std::uint32_t hash, NameOf name) const;
    int Find(std::u16string_view name, std::uint32_t hash) const;
    // False when an earlier child has the key already.
    bool Insert(std::uint32_t hash, int position);
    void Place(std::uint64_t entry);
    void Grow(size_t size);

    NameAt nameAt_;
    std::vector<std::uint64_t> slots_;  // hash << 32 | position + 1; 0 is empty
    size_t used_ = 0;
    std::vector<bool> firstOfKey_;  // per child: no earlier child has its key
    size_t next_ = 0;               // the child after the last one found
};
