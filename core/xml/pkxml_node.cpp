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

// Takes subtrees apart one node at a time, chaining the nodes still to go through the nodes
// themselves: a deep tree cannot exhaust the stack, and a tree torn down because memory ran out
// is torn down without asking for more.
void TpkXMLNode::Clear() noexcept {
    index_.reset();
    TpkXMLNode* doomed = nullptr;
    auto release = [&doomed](std::vector<Owned>& children) noexcept {
        for (Owned& child : children) {
            TpkXMLNode* node = child.node.release();
            node->nextDoomed_ = doomed;
            doomed = node;
        }
        children.clear();
    };
    release(children_);
    while (doomed) {
        TpkXMLNode* node = doomed;
        doomed = node->nextDoomed_;
        release(node->children_);
        delete node;
    }
}

void TpkXMLNode::AddChild(std::unique_ptr<TpkXMLNode> child) {
    const std::uint32_t hash = KeyHash(child->Name);
    children_.push_back({std::move(child), hash});
    if (!index_) return;
    try {
        index_->Add(hash, ChildCount() - 1);
    } catch (...) {
        index_.reset();  // built again, whole, by the next lookup
        throw;
    }
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
