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

// Points std::cout and std::cerr at the console where they are one; where they are
// redirected they write UTF-8 bytes with LF line ends, as on every other system.
void SetUpStandardStreams();

} // namespace lumo::cli
