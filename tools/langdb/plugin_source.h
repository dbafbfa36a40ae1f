#pragma once
// The text source of the plug-in definitions (res/plugins/*.txt), written into the record file
// "tidewell_2431.dat" (its layout: catalogue/record_file.h):
//
//   # a comment; blank lines are ignored
//   [wlitPlugin_Example|1]            a record: its identifier
//   DisplayName_44 = Example Program  body lines, name = value
//   S0 = F||[ftAppData]Example\|*.*|D|
//
// Names and values lose the blanks around them and are otherwise taken as written (no
// escapes: the definition lines hold backslashes). The body is the lines "name=value" joined
// by carriage return and line feed, in source order.
#include <optional>
#include <string>
#include <vector>

#include "catalogue/record_file.h"

namespace langdb {

std::optional<std::vector<TiDbRecord>> ParsePluginSource(const std::string& text,
                                                         const std::string& fileName,
                                                         std::string& error);

}  // namespace langdb
