#pragma once
// Windows-1250 text as types of their own, so that UTF-8, a path or a file's raw bytes cannot pass
// for it unconverted. Messages are made of it; it becomes UTF-8 or UTF-16 only where it leaves the
// program (the dialog, the terminal, the browser), and its bytes go into pages as they are, the
// pages being Windows-1250 too.
#include <string>
#include <string_view>

// Text written in the source (Ansi<"...">), borrowed.
class AnsiView {
public:
    constexpr AnsiView() = default;
    // Bytes known to be Windows-1250.
    static constexpr AnsiView OfBytes(std::string_view bytes) { return AnsiView(bytes); }

    constexpr std::string_view Bytes() const { return bytes_; }
    // Into a page, whose bytes are Windows-1250 as well.
    constexpr operator std::string_view() const { return bytes_; }

private:
    constexpr explicit AnsiView(std::string_view bytes) : bytes_(bytes) {}
    std::string_view bytes_;
};

// Text made while the program runs: a message with names and figures in it.
class AnsiText {
public:
    AnsiText() = default;
    AnsiText(AnsiView text) : bytes_(text.Bytes()) {}
    // Bytes known to be Windows-1250 (a page's, a verdict's detail).
    static AnsiText OfBytes(std::string bytes)
    {
        AnsiText text;
        text.bytes_ = std::move(bytes);
        return text;
    }
    // A whole number, in digits, which every code page writes alike.
    static AnsiText Number(long long number) { return OfBytes(std::to_string(number)); }
    // UTF-8 text converted; a character the code page lacks becomes '?'.
    static AnsiText FromUtf8(std::string_view utf8);

    const std::string& Bytes() const { return bytes_; }
    bool Empty() const { return bytes_.empty(); }
    bool StartsWith(AnsiView lead) const { return bytes_.starts_with(lead.Bytes()); }
    std::string ToUtf8() const;
    std::u16string ToWide() const;

    AnsiText& operator+=(const AnsiText& more)
    {
        bytes_ += more.bytes_;
        return *this;
    }
    friend AnsiText operator+(AnsiText text, const AnsiText& more) { return text += more; }
    friend AnsiText operator+(AnsiView text, const AnsiText& more) { return AnsiText(text) += more; }
    bool operator==(const AnsiText&) const = default;

private:
    std::string bytes_;
};

inline AnsiText operator+(AnsiView text, AnsiView more) { return AnsiText(text) + more; }
