#pragma once
// The Outlook Express store folders of the current user and the mail boxes in them.
#include <string>
#include <vector>

// The folders of the default identity: the "Store Root" of each key under its Outlook Express
// settings, then its folder under the local application data folder when that exists. Each
// once, with a trailing backslash.
std::vector<std::string> IdentityStoreFolders();

// Every store folder: those of the identity, then the "Store Root" of the Outlook Express key
// followed by "Mail\", then the application data folder's "Microsoft\Outlook Express\Mail\"
// when it exists. Each once.
std::vector<std::string> MailStoreFolders();

// The lines ("name=path") of the mail box files in the folders: the ".dbx" files that are
// mail boxes, then the ".mbx" files, folder by folder.
std::vector<std::string> FindMailBoxLines(const std::vector<std::string>& storeFolders);
