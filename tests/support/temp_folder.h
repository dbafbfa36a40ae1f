#pragma once
// A fresh folder under the Wine prefix's temporary folder, removed with everything in it when
// the test ends. Links inside it are removed as links; their targets are never entered.
#include <string>

namespace testing_support {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, with a trailing backslash.
    const std::string& Path() const { return path_; }
    // Creates a file (and its missing folders) below the folder; returns its full path.
    std::string AddFile(const std::string& relative, const std::string& contents = "x");
    // Creates a folder (and its missing parents); returns its full path with a backslash.
    std::string AddFolder(const std::string& relative);
    bool Exists(const std::string& relative) const;

  private:
    std::string path_;
};

// Removes a folder tree without following links. For test clean-up only.
void RemoveTreeForTests(const std::string& folder);

}  // namespace testing_support
