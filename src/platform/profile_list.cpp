#include "platform/profile_list.h"

#include <windows.h>

#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace platform {
namespace {

const char kProfileList[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

std::string Expanded(const std::string& text) {
    std::wstring wide = Utf8ToWide(text);
    DWORD size = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (size == 0)
        return text;
    std::wstring buffer(size, L'\0');
    DWORD written = ExpandEnvironmentStringsW(wide.c_str(), buffer.data(), size);
    if (written == 0 || written > size)
        return text;
    buffer.resize(written - 1);
    return WideToUtf8(buffer);
}

std::string ReadPath(const RegistryKey& key, const std::string& name) {
    auto value = key.Read(name);
    return value && value->IsString() ? Expanded(value->AsString()) : std::string();
}

}  // namespace

ProfileFolders RegisteredProfileFolders() {
    ProfileFolders result;
    RegistryKey list = RegistryKey::Open(RootKey::LocalMachine, kProfileList);
    if (!list)
        return result;
    result.holder = ReadPath(list, "ProfilesDirectory");
    auto add = [&](const std::string& path) {
        if (path.empty())
            return;
        if (IsAbsolutePath(path))
            result.profiles.push_back(path);
        else if (!result.holder.empty())
            result.profiles.push_back(WithTrailingBackslash(result.holder) + path);
    };
    for (const char* name : {"Default", "Public", "AllUsersProfile", "DefaultUserProfile"})
        add(ReadPath(list, name));
    for (const std::string& sid : list.SubkeyNames()) {
        RegistryKey profile =
            RegistryKey::Open(RootKey::LocalMachine, std::string(kProfileList) + "\\" + sid);
        if (profile)
            add(ReadPath(profile, "ProfileImagePath"));
    }
    return result;
}

}  // namespace platform
