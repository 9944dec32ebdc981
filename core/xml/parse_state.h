#pragma once
// The reader's cursor over the text. It keeps the quirks the reader has always had: reading past
// the end gives the character 0 and sets AtEnd for good, without moving, so a later step back
// lands on the last character; ReadUntil keeps that 0 as part of what it read.
#include <cstddef>
#include <string>
#include <string_view>

class ParseState {
public:
    // The text must outlive the state; its terminating 0 stands in for the end-of-text character.
    explicit ParseState(const std::u16string& text)
        : text_(text.data()), length_(static_cast<std::ptrdiff_t>(text.size())) {}

    bool AtEnd() const { return atEnd_; }
    // The current character index, within 0 .. length.
    std::size_t Position() const {
        return static_cast<std::size_t>(position_ < 0 ? 0 : position_ > length_ ? length_ : position_);
    }
    std::size_t Length() const { return static_cast<std::size_t>(length_); }

    char16_t NextChar() {
        if (!InRange()) {
            atEnd_ = true;
            return 0;
        }
        return text_[position_++];
    }
    void BackChar() { --position_; }
    void Move(std::ptrdiff_t by) { position_ += by; }

    void SkipBlanks() {
        if (!atEnd_) {
            while (InRange() && IsBlank(text_[position_])) ++position_;
            if (InRange()) return;
            atEnd_ = true;
        }
        --position_;
    }

    bool Expect(char16_t c) {
        SkipBlanks();
        return NextChar() == c;
    }

    // Reads up to the first stop, leaving it unread. Running off the end includes the 0.
    template <typename IsStop>
    std::u16string_view ReadUntil(IsStop isStop) {
        if (atEnd_) return {};
        if (position_ < 0) {
            atEnd_ = true;
            return {u"", 1};
        }
        const std::ptrdiff_t start = position_;
        while (position_ < length_ && !isStop(text_[position_])) ++position_;
        if (position_ < length_) return View(start, position_);
        atEnd_ = true;
        return View(start, length_ + 1);
    }

    // Reads past the terminator and gives what stood before it; without one, consumes the rest
    // and gives nothing.
    std::u16string_view ReadUntilText(std::u16string_view terminator) {
        if (atEnd_) return {};
        if (position_ >= 0) {
            const std::u16string_view rest = View(position_, length_);
            const size_t found = rest.find(terminator);
            if (found != std::u16string_view::npos) {
                position_ += static_cast<std::ptrdiff_t>(found + terminator.size());
                return rest.substr(0, found);
            }
            position_ = length_;
        }
        atEnd_ = true;
        return {};
    }

    static bool IsBlank(char16_t c) { return c == 9 || c == 10 || c == 13 || c == 32; }

private:
    bool InRange() const { return position_ >= 0 && position_ < length_; }
    std::u16string_view View(std::ptrdiff_t from, std::ptrdiff_t to) const {
        return {text_ + from, static_cast<size_t>(to - from)};
    }

    const char16_t* text_;
    std::ptrdiff_t length_;
    std::ptrdiff_t position_ = 0;
    bool atEnd_ = false;
};
