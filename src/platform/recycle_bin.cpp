#include "platform/recycle_bin.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/text.h"

namespace platform {
namespace {

RecycleBinSource& RecycleBinOverride() {
    static RecycleBinSource source;  // test seam only
    return source;
}

// The shell's figures are signed; a negative one means nothing.
std::uint64_t NotNegative(__int64 value) {
    return value > 0 ? static_cast<std::uint64_t>(value) : 0;
}

}  // namespace

std::optional<RecycleBinState> QueryRecycleBin(const std::string& root) {
    if (RecycleBinOverride().query)
        return RecycleBinOverride().query(root);
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinW(Utf8ToWide(root).c_str(), &info)))
        return std::nullopt;
    return RecycleBinState{NotNegative(info.i64Size), NotNegative(info.i64NumItems)};
}

bool EmptyRecycleBin(const std::string& root) {
    if (RecycleBinOverride().empty)
        return RecycleBinOverride().empty(root);
    return SUCCEEDED(SHEmptyRecycleBinW(nullptr, Utf8ToWide(root).c_str(), SHERB_NOCONFIRMATION));
}

void OverrideRecycleBinForTests(RecycleBinSource source) {
    RecycleBinOverride() = std::move(source);
}

}  // namespace platform
