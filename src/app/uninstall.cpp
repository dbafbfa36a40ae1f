#include "app/uninstall.h"

#include "app/program_runner.h"
#include "app/startup.h"
#include "platform/files.h"
#include "platform/registry.h"

void RunUninstaller() {
    auto key = platform::RegistryKey::Open(RootKey::LocalMachine, kUninstallKey);
    if (!key)
        return;
    auto value = key.Read("UninstallString");
    if (!value || !value->IsString())
        return;
    auto command = SplitUninstallString(
        value->AsString(), [](const std::string& path) { return platform::FileExists(path); });
    if (command)
        StartProgram(command->Program, command->Parameters, command->Folder);
}
