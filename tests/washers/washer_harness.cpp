#include "washers/washer_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "catalogue/wash_object_types.h"
#include "engine/report_action.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "support/temp_folder.h"
#include "washers/washer_registry.h"

namespace washer_tests {

WasherRunner::WasherRunner() : table(MakeWasherTable()), ctx(catalogue, view, table) {
    ctx.Opts.LogActivities = true;
    ctx.Log = &log;
}

WashOutcome WasherRunner::Run(TWashListItemType type, bool testRun) {
    view.testLines.clear();
    view.progress.clear();
    view.rowEntries.clear();
    log.text.clear();
    ctx.TestRunning = testRun;
    ctx.KeepWashing = true;
    ctx.StopRequested = false;
    ctx.Shred = shred;
    ctx.TestItemCount = 0;
    ctx.TestTotalBytes = 0;
    ctx.RunItemCount = 0;
    ctx.RunTotalBytes = 0;
    auto item = MakeBuiltInItem(type, std::string(TypeInfo(type).identifier), true);
    const Washer* washer = table.Find(*item);
    EXPECT_NE(washer, nullptr) << TypeInfo(type).identifier;
    if (washer)
        (*washer)(ctx, *item, 0);
    WashOutcome outcome;
    outcome.entries = view.rowEntries.count(0) ? view.rowEntries[0] : "";
    outcome.testCount = ctx.TestItemCount;
    outcome.testBytes = ctx.TestTotalBytes;
    outcome.count = ctx.RunItemCount;
    outcome.bytes = ctx.RunTotalBytes;
    outcome.lines = testRun ? view.testLines : view.progress;
    outcome.log = log.text;
    return outcome;
}

namespace {

// "12/3 Kb" -> 12.
std::string CountOf(const std::string& entries) {
    return entries.substr(0, entries.find('/'));
}

}  // namespace

TwoRuns TestThenWash(WasherRunner& runner, TWashListItemType type,
                     const std::function<std::string()>& state, bool sizesMayDiffer) {
    SCOPED_TRACE(std::string(TypeInfo(type).identifier));
    const std::string before = state();
    TwoRuns runs;
    runs.test = runner.Run(type, true);
    EXPECT_EQ(state(), before) << "the test run changed something";
    EXPECT_EQ(std::to_string(runs.test.testCount), CountOf(runs.test.entries))
        << "the totals grow by the row's count";
    EXPECT_EQ(runs.test.testCount, runs.test.count);
    EXPECT_EQ(runs.test.testBytes, runs.test.bytes);
    runs.real = runner.Run(type, false);
    EXPECT_EQ(runs.test.count, runs.real.count);
    if (!sizesMayDiffer) {
        EXPECT_EQ(runs.test.bytes, runs.real.bytes);
        EXPECT_EQ(runs.test.entries, runs.real.entries);
    }
    EXPECT_EQ(runs.real.testCount, 0u);
    return runs;
}

namespace {

std::string Hex(const std::vector<std::uint8_t>& data) {
    std::string text;
    char byte[3];
    for (std::uint8_t b : data) {
        std::snprintf(byte, sizeof byte, "%02x", b);
        text += byte;
    }
    return text;
}

void AppendRegistryState(RootKey root, const std::string& path, const std::string& indent,
                         std::string& out) {
    platform::RegistryKey key = platform::RegistryKey::Open(root, path);
    if (!key) {
        out += indent + "(missing)\n";
        return;
    }
    for (const std::string& name : key.ValueNames()) {
        auto value = key.Read(name);
        out += indent + "'" + name + "' " + std::to_string(value ? value->type : 0) + " " +
               (value ? Hex(value->data) : "?") + "\n";
    }
    for (const std::string& sub : key.SubkeyNames()) {
        out += indent + "[" + sub + "]\n";
        AppendRegistryState(root, path + "\\" + sub, indent + "  ", out);
    }
}

void AppendFolderState(const std::string& folder, const std::string& indent, std::string& out) {
    std::vector<std::string> lines;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*")) {
        if (entry.IsDotEntry())
            continue;
        std::string line = indent + entry.name;
        if (entry.IsFolder()) {
            line += "\\\n";
            AppendFolderState(folder + entry.name + "\\", indent + "  ", line);
        } else {
            line += " " + std::to_string(entry.size) + "\n";
        }
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    for (const std::string& line : lines)
        out += line;
}

}  // namespace

std::string RegistryState(RootKey root, const std::string& path) {
    std::string out;
    AppendRegistryState(root, path, "", out);
    return out;
}

std::string FolderState(const std::string& folder) {
    std::string out;
    AppendFolderState(platform::WithTrailingBackslash(folder), "", out);
    return out;
}

std::string PathsState(const std::vector<std::string>& paths) {
    std::string out;
    for (const std::string& path : paths) {
        out += path;
        if (platform::FolderExists(path))
            out += " folder\n";
        else if (auto size = platform::FileSize(path))
            out += " " + std::to_string(*size) + "\n";
        else
            out += " missing\n";
    }
    return out;
}

std::size_t StringValueSize(const std::string& text) {
    std::wstring wide = platform::Utf8ToWide(text);
    platform::RegistryValue value;
    value.type = platform::reg_type::kString;
    value.data.resize((wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(value.data.data(), wide.c_str(), value.data.size());
    return value.Size();
}

std::string Progress(const std::string& verb, const std::string& text) {
    return verb + ShortenForProgress(text);
}

ScopedFiles::~ScopedFiles() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
        if (it->back() == '\\') {
            testing_support::RemoveTreeForTests(*it);
        } else {
            platform::SetFileAttributesTo(*it, platform::file_attr::kNormal);
            platform::DeleteFileAt(*it);
        }
    }
}

void ScopedFiles::CreateMissingFolders(const std::string& folder) {
    if (folder.size() <= 3 || platform::FolderExists(folder))
        return;
    CreateMissingFolders(platform::FolderOfPath(platform::WithoutTrailingBackslash(folder)));
    platform::CreateFolder(folder);
    made_.push_back(platform::WithTrailingBackslash(folder));
}

std::string ScopedFiles::AddFile(const std::string& path, const std::string& contents) {
    CreateMissingFolders(platform::FolderOfPath(path));
    if (!platform::PathExists(path))
        made_.push_back(path);
    platform::WriteWholeFile(path, contents);
    return path;
}

std::string ScopedFiles::AddFolder(const std::string& path) {
    std::string folder = platform::WithTrailingBackslash(path);
    CreateMissingFolders(folder);
    return folder;
}

ScopedRegistryValue::ScopedRegistryValue(RootKey root, std::string path, std::string name)
    : root_(root), path_(std::move(path)), name_(std::move(name)) {
    // The topmost missing key of the path is the one to remove afterwards.
    for (std::size_t end = path_.find('\\'); madeKey_.empty(); end = path_.find('\\', end + 1)) {
        std::string prefix = path_.substr(0, end);
        if (!platform::RegistryKeyOpens(root_, prefix))
            madeKey_ = prefix;
        if (end == std::string::npos)
            break;
    }
    platform::RegistryKey key =
        platform::RegistryKey::Create(root_, path_, platform::reg_access::kAllAccess);
    if (auto value = key.Read(name_)) {
        existed_ = true;
        type_ = value->type;
        data_ = value->data;
    }
}

ScopedRegistryValue::~ScopedRegistryValue() {
    if (!madeKey_.empty()) {
        platform::DeleteRegistryTree(root_, madeKey_);
        return;
    }
    platform::RegistryKey key =
        platform::RegistryKey::Open(root_, path_, platform::reg_access::kAllAccess);
    if (existed_)
        key.Write(name_, type_, data_.data(), data_.size());
    else
        key.DeleteValue(name_);
}

void ScopedRegistryValue::SetString(const std::string& text) {
    platform::RegistryKey::Open(root_, path_, platform::reg_access::kAllAccess)
        .WriteString(name_, text);
}

void ScopedRegistryValue::SetDword(std::uint32_t value) {
    platform::RegistryKey::Open(root_, path_, platform::reg_access::kAllAccess)
        .WriteDword(name_, value);
}

void ScopedRegistryValue::Remove() {
    platform::RegistryKey::Open(root_, path_, platform::reg_access::kAllAccess).DeleteValue(name_);
}

std::optional<std::string> ScopedRegistryValue::String() const {
    auto value = platform::RegistryKey::Open(root_, path_).Read(name_);
    return value ? std::optional<std::string>(value->AsString()) : std::nullopt;
}

std::optional<std::uint32_t> ScopedRegistryValue::Dword() const {
    auto value = platform::RegistryKey::Open(root_, path_).Read(name_);
    return value ? std::optional<std::uint32_t>(value->AsDword()) : std::nullopt;
}

}  // namespace washer_tests
