#include "name_index.h"
#include "name_key.h"
#include "pkxml.h"

// A handful of children are cheaper to scan than to index; the renderers' line blocks, with
// thousands of numbered lines under one section, are what the index is for.
namespace {
constexpr size_t kIndexFrom = 8;
}

struct TpkXMLNode::Index : NameIndex {
    using NameIndex::NameIndex;
};

TpkXMLNode::TpkXMLNode() = default;

TpkXMLNode::~TpkXMLNode() { Clear(); }

// Takes subtrees apart level by level, so that a deep tree cannot exhaust the stack.
void TpkXMLNode::Clear() {
    index_.reset();
    std::vector<Owned> doomed = std::move(children_);
    children_.clear();
    while (!doomed.empty()) {
        std::unique_ptr<TpkXMLNode> node = std::move(doomed.back().node);
        doomed.pop_back();
        for (Owned& child : node->children_) doomed.push_back(std::move(child));
        node->children_.clear();
    }
}

void TpkXMLNode::AddChild(std::unique_ptr<TpkXMLNode> child) {
    const std::uint32_t hash = KeyHash(child->Name);
    children_.push_back({std::move(child), hash});
    if (index_) index_->Add(hash, ChildCount() - 1);
}

int TpkXMLNode::ChildCount() const { return static_cast<int>(children_.size()); }

TpkXMLNode* TpkXMLNode::Child(int index) const {
    if (index < 0 || index >= ChildCount()) return nullptr;
    return children_[static_cast<size_t>(index)].node.get();
}

void TpkXMLNode::BuildIndex() {
    index_ = std::make_unique<Index>([this](int i) -> const std::u16string& {
        return children_[static_cast<size_t>(i)].node->Name;
    });
    std::vector<std::uint32_t> hashes(children_.size());
    for (size_t i = 0; i < children_.size(); ++i) hashes[i] = children_[i].keyHash;
    index_->Build(hashes);
}

TpkXMLNode* TpkXMLNode::FindChild(std::u16string_view name, bool createIfMissing) {
    if (!index_ && children_.size() < kIndexFrom) {
        for (Owned& child : children_)
            if (SameKey(child.node->Name, name)) return child.node.get();
    } else {
        if (!index_) BuildIndex();
        const int found = index_->Find(name);
        if (found >= 0) return children_[static_cast<size_t>(found)].node.get();
    }
    if (!createIfMissing) return nullptr;
    auto created = std::make_unique<TpkXMLNode>();
    created->Name = name;
    TpkXMLNode* result = created.get();
    AddChild(std::move(created));
    return result;
}
