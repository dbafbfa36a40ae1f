#pragma once
// What TidewellCmd needs of its console: two output streams and a line of input. The program
// uses the real console (platform/console.h); tests script it.
#include <optional>
#include <string>

class ConsoleIo {
  public:
    virtual ~ConsoleIo() = default;
    // UTF-8 text as it stands; lines end in CR LF.
    virtual void Out(const std::string& text) = 0;
    virtual void Err(const std::string& text) = 0;
    // One line of input without its line end; nothing at the end of the input.
    virtual std::optional<std::string> ReadLine() = 0;
};
