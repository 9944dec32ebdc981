#include <unordered_map>

#include "name_key.h"
#include "pkxml.h"

// A handful of children are cheaper to scan than to index; the renderers' line blocks, with
// thousands of numbered lines under one section, are what the index is for.
namespace {
constexpr size_t kIndexFrom = 8;
}

struct TpkXMLNode::Index {
    std::unordered_map<std::string, int> first;  // key of a name -> its first child

    void Note(const std::u16string& name, size_t position) {
        first.emplace(NameKey(name), static_cast<int>(position));
    }
};

TpkXMLNode::TpkXMLNode() = default;

TpkXMLNode::~TpkXMLNode() { Clear(); }

// Takes subtrees apart level by level, so that a deep tree cannot exhaust the stack.
void TpkXMLNode::Clear() {
    index_.reset();
    std::vector<std::unique_ptr<TpkXMLNode>> doomed = std::move(children_);
    children_.clear();
    while (!doomed.empty()) {
        std::unique_ptr<TpkXMLNode> node = std::move(doomed.back());
        doomed.pop_back();
        for (auto& child : node->children_) doomed.push_back(std::move(child));
        node->children_.clear();
    }
}

void TpkXMLNode::AddChild(std::unique_ptr<TpkXMLNode> child) {
    if (index_) index_->Note(child->Name, children_.size());
    children_.push_back(std::move(child));
}

int TpkXMLNode::ChildCount() const { return static_cast<int>(children_.size()); }

TpkXMLNode* TpkXMLNode::Child(int index) const {
    if (index < 0 || index >= ChildCount()) return nullptr;
    return children_[static_cast<size_t>(index)].get();
}

TpkXMLNode* TpkXMLNode::FindChild(std::u16string_view name, bool createIfMissing) {
    if (!index_ && children_.size() < kIndexFrom) {
        for (auto& child : children_)
            if (SameKey(child->Name, name)) return child.get();
    } else {
        if (!index_) {
            index_ = std::make_unique<Index>();
            index_->first.reserve(children_.size());
            for (size_t i = 0; i < children_.size(); ++i) index_->Note(children_[i]->Name, i);
        }
        auto found = index_->first.find(NameKey(name));
        if (found != index_->first.end()) return children_[static_cast<size_t>(found->second)].get();
    }
    if (!createIfMissing) return nullptr;
    auto created = std::make_unique<TpkXMLNode>();
    created->Name = name;
    TpkXMLNode* result = created.get();
    AddChild(std::move(created));
    return result;
}
