#pragma once
// Whether a program runs, told by the class of its main window.
#include <string>

namespace platform {

// True when a top-level window of this class exists.
bool TopLevelWindowExists(const std::string& className);

}  // namespace platform
