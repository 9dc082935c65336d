#pragma once

#include <streambuf>
#include <string>

namespace lumo::cli {

// A stream buffer that shows UTF-8 text on a Windows console through WriteConsoleW, so
// Japanese reads right whatever the console's code page.
class ConsoleOutput : public std::streambuf {
public:
    explicit ConsoleOutput(void* console) : console_(console) {}
    ~ConsoleOutput() override { sync(); }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    void* console_;
    std::string pending_;
};

// For as long as it lives, std::cout and std::cerr write to the console through
// WriteConsoleW where they are one; where they are redirected they write UTF-8 bytes with
// LF line ends, as on every other system.
class StandardStreams {
public:
    StandardStreams();
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    // Whether the progress line can be drawn on stderr: a console that takes the escape
    // sequence that clears the rest of a line (consoles before Windows 10 do not).
    bool progressLineWorks() const { return escapesEnabled_; }

private:
    ConsoleOutput out_;
    ConsoleOutput err_;
    std::streambuf* savedOut_ = nullptr;
    std::streambuf* savedErr_ = nullptr;
    bool escapesEnabled_ = false;
    unsigned long savedErrorMode_ = 0; // restored when escapes were enabled
};

} // namespace lumo::cli
