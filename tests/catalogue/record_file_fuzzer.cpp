// Fuzzes the plug-in record file reader and the body lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TiDbRecFile file;
    file.Load(std::string_view(reinterpret_cast<const char*>(data), size));
    for (int n = 1; n <= file.Count(); ++n) {
        RecordBodyValue(file.Record(n).Body, "DisplayName_44");
        RecordBodyValue(file.Record(n).Body, "S0");
    }
    return 0;
}
