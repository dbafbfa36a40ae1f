#pragma once
// UTF-8 inside the program, UTF-16 at the Win32 boundary.
#include <string>
#include <string_view>

namespace platform {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
// How many bytes the text takes in the ANSI code page, the length a program of that code page
// sees ("abc" is 3; a character the page lacks still takes its place).
std::size_t AnsiByteCount(std::wstring_view wide);

}  // namespace platform
