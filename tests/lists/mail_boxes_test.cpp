// The Outlook Express store folders of the current user and the mail boxes offered in them,
// found through real registry keys and real folders.
#include <gtest/gtest.h>

#include <algorithm>

#include "lists/mail_boxes.h"
#include "platform/files.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"

using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using Lines = std::vector<std::string>;

namespace {

const char kIdentity[] = "{3A1C8E5B-0000-4000-8000-00000000CAFE}";

// A default identity whose two settings keys name `storeRoot` (once without a backslash).
struct IdentitySandbox {
    TempFolder local, roaming;
    ScopedShellFolder localShell{"Local AppData", local.Path()};
    ScopedShellFolder roamingShell{"AppData", roaming.Path()};
    ScopedRegistryKey identities{RootKey::CurrentUser, "Identities"};
    ScopedRegistryKey express{RootKey::CurrentUser, "Software\\Microsoft\\Outlook Express"};

    IdentitySandbox() { identities.SetString("Default User ID", kIdentity); }

    std::string IdentityFolder() const {
        return local.Path() + "Identities\\" + kIdentity + "\\Microsoft\\Outlook Express\\";
    }
    void SetStoreRoot(const std::string& subkey, const std::string& folder) {
        identities.SetString(
            "Store Root", folder,
            std::string(kIdentity) + "\\Software\\Microsoft\\Outlook Express\\" + subkey);
    }
};

}  // namespace

TEST(MailStoreFolders, FindsEachFolderOnceInTheOrderOfTheSteps) {
    IdentitySandbox sandbox;
    const std::string identityFolder = sandbox.local.AddFolder(
        std::string("Identities\\") + kIdentity + "\\Microsoft\\Outlook Express");
    const std::string other = sandbox.local.AddFolder("Other Store");
    sandbox.SetStoreRoot("5.0", platform::WithoutTrailingBackslash(other));
    sandbox.SetStoreRoot("6.0", identityFolder);  // the same as the local identity folder
    const std::string legacy = sandbox.roaming.AddFolder("Legacy");
    sandbox.express.SetString("Store Root", legacy);
    const std::string appDataMail = sandbox.roaming.AddFolder("Microsoft\\Outlook Express\\Mail");

    EXPECT_EQ(IdentityStoreFolders(), (Lines{other, identityFolder}));
    EXPECT_EQ(MailStoreFolders(), (Lines{other, identityFolder, legacy + "Mail\\", appDataMail}));
}

TEST(MailStoreFolders, WithoutAnIdentityOnlyTheOldStoreCounts) {
    IdentitySandbox sandbox;
    sandbox.identities.SetString("Default User ID", "");
    sandbox.SetStoreRoot("5.0", sandbox.local.Path());
    EXPECT_TRUE(IdentityStoreFolders().empty());
    sandbox.express.SetString("Store Root", "relative\\store");  // never the current folder
    EXPECT_TRUE(MailStoreFolders().empty());
}

TEST(FindMailBoxLines, OffersTheBoxFilesButNeverTheStoreFiles) {
    TempFolder store;
    for (const char* name : {"Inbox.dbx", "Folders.DBX", "offline.dbx", "Pop3uidl.dbx",
                             "Sent Items.dbx", "Old.MBX", "Old.idx", "notes.dbxx", "x.mbx.bak"})
        store.AddFile(name);
    store.AddFolder("Folder.dbx");
    Lines lines = FindMailBoxLines({store.Path()});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.back(), "old=" + store.Path() + "Old.MBX");  // the ".mbx" files come last
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines,
              (Lines{"inbox=" + store.Path() + "Inbox.dbx", "old=" + store.Path() + "Old.MBX",
                     "sent items=" + store.Path() + "Sent Items.dbx"}));
}
