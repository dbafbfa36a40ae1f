#pragma once
// A file held open for appending, such as the activity log. Others may read it, write it and
// delete it while it is open (the user may clear or remove the log from outside).
#include <string>
#include <string_view>

namespace platform {

class AppendFile {
  public:
    AppendFile() = default;
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;
    AppendFile(AppendFile&& other) noexcept;
    AppendFile& operator=(AppendFile&& other) noexcept;

    // Opens the file for appending, creating it when missing. Not open when that fails.
    static AppendFile Open(const std::string& path);
    bool IsOpen() const { return handle_ != nullptr; }
    // True when the file was empty when it was opened.
    bool WasEmpty() const { return wasEmpty_; }
    // Appends all bytes; false when the system refused.
    bool Append(std::string_view bytes);
    void Close();

  private:
    void* handle_ = nullptr;  // HANDLE; never INVALID_HANDLE_VALUE
    bool wasEmpty_ = false;
};

// The locale's date separator ("/", ".", "-") and time separator (":").
std::string LocaleDateSeparator();
std::string LocaleTimeSeparator();

}  // namespace platform
