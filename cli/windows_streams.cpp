#include "windows_streams.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>

#include "utf8.h"

namespace {

// Collects std::cerr's UTF-8 and hands whole characters to the console at each flush (std::cerr
// flushes after every output), keeping a character cut off at the end for the next.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) pending_ += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        pending_.append(bytes, static_cast<size_t>(count));
        return count;
    }
    int sync() override {
        const size_t whole = pending_.size() - CutSequenceLength(pending_);
        const std::u16string text = Utf8ToWide(std::string_view(pending_).substr(0, whole));
        pending_.erase(0, whole);
        if (text.empty()) return 0;
        DWORD written = 0;
        return ::WriteConsoleW(console_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ? 0 : -1;
    }

private:
    HANDLE console_;
    std::string pending_;
};

}  // namespace

bool StandardErrorIsConsole() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void PrepareStandardStreams() {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    if (StandardErrorIsConsole()) {
        static ConsoleBuffer console(::GetStdHandle(STD_ERROR_HANDLE));
        std::cerr.rdbuf(&console);
    }
}
