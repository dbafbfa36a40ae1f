#pragma once
// The text rules of the Outlook Express mail boxes: the lines of the chosen list ("name=path"),
// the files offered, and which chosen line may be washed. No system calls.
#include <string>
#include <string_view>
#include <vector>

// "inbox=C:\store\Inbox.dbx" for the file "Inbox.dbx" of the store folder "C:\store\".
std::string MailBoxLine(const std::string& storeFolder, const std::string& fileName);

// Where the "=" between name and path stands: the first one that a drive or network path
// follows (a box's own name may hold "="), else the first one; npos when there is none.
std::size_t MailBoxSeparator(std::string_view line);
// The text before the separator (the whole line without one) and the path after it.
std::string MailBoxName(std::string_view line);
std::string MailBoxPath(std::string_view line);

// Whether a ".dbx" file is a mail box: the folder list, the offline store and the POP3 record
// are not ("folders.dbx", "offline.dbx", "pop3uidl.dbx" in any letter case).
bool IsOfferedDbxFile(std::string_view fileName);

// Adds `folder` (a backslash appended when missing) unless the list holds it already, in any
// letter case. Empty and relative folders are not added. True when it was added.
bool AddStoreFolderOnce(std::vector<std::string>& folders, const std::string& folder);

// Whether a chosen path may be destroyed: a ".dbx" or ".mbx" file lying straight in one of the
// store folders (each with a trailing backslash; letter case does not matter).
bool MailBoxWashable(const std::vector<std::string>& storeFolders, std::string_view path);

// The ".idx" index that an ".mbx" box keeps beside itself: the same name, other extension.
std::string MbxIndexPath(std::string_view mbxPath);
