// A tree torn down while memory has run out must come apart without asking for any: this test
// program's allocator refuses every request while `refuse` is set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "xml_test_support.h"

namespace {
bool refuse = false;
}  // namespace

// GCC takes the replaced pair below for a mismatch wherever it inlines them.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (refuse) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(Teardown, ADeepAndWideTreeComesApartWithoutAllocating) {
    std::string nested;
    for (int i = 0; i < 3000; ++i) nested += "<a x=\"1\"><b/><c>t</c>";
    auto file = std::make_unique<Loaded>(nested);
    file->doc.FindNode(u"a", false)->FindChild(u"c", false);  // with a lookup index too
    refuse = true;
    EXPECT_NO_THROW(file.reset());
    refuse = false;
}

// A lookup that runs out of memory leaves a tree that is still whole and can be torn down.
TEST(Teardown, AFailedLookupLeavesATreeThatComesApart) {
    auto file = std::make_unique<Loaded>("<a><b/><c/><d/><e/><f/><g/><h/><i/><j/></a>");
    TpkXMLNode* a = file->doc.FindNode(u"a", false);
    refuse = true;
    EXPECT_THROW(a->FindChild(u"zz", true), std::bad_alloc);
    refuse = false;
    EXPECT_EQ(a->FindChild(u"j", false), a->Child(8));
    refuse = true;
    EXPECT_NO_THROW(file.reset());
    refuse = false;
}

}  // namespace
