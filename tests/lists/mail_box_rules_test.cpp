// The lines of the chosen mail boxes and the rules that decide what is offered and washed.
#include <gtest/gtest.h>

#include "lists/mail_box_rules.h"

using Folders = std::vector<std::string>;

TEST(MailBoxLine, NamesTheBoxInLowerCaseBeforeItsPath) {
    EXPECT_EQ(MailBoxLine("C:\\Store\\", "Inbox.DBX"), "inbox=C:\\Store\\Inbox.DBX");
    EXPECT_EQ(MailBoxLine("C:\\Store\\", "Sent.Items.mbx"), "sent.items=C:\\Store\\Sent.Items.mbx");
}

TEST(MailBoxSeparator, FindsThePathEvenWhenTheNameHoldsAnEqualsSign) {
    const std::string line = MailBoxLine("C:\\Store\\", "a=b.dbx");
    EXPECT_EQ(line, "a=b=C:\\Store\\a=b.dbx");
    EXPECT_EQ(MailBoxName(line), "a=b");
    EXPECT_EQ(MailBoxPath(line), "C:\\Store\\a=b.dbx");
    EXPECT_EQ(MailBoxPath("x=\\\\server\\share\\x.dbx"), "\\\\server\\share\\x.dbx");
    EXPECT_EQ(MailBoxName("no separator"), "no separator");
    EXPECT_EQ(MailBoxPath("no separator"), "");
    EXPECT_EQ(MailBoxPath("name=relative\\x.dbx"), "relative\\x.dbx");
}

TEST(IsOfferedDbxFile, LeavesOutTheThreeStoreFilesInAnyLetterCase) {
    EXPECT_FALSE(IsOfferedDbxFile("folders.dbx"));
    EXPECT_FALSE(IsOfferedDbxFile("Folders.DBX"));
    EXPECT_FALSE(IsOfferedDbxFile("OFFLINE.dbx"));
    EXPECT_FALSE(IsOfferedDbxFile("Pop3uidl.dbx"));
    EXPECT_TRUE(IsOfferedDbxFile("Inbox.dbx"));
    EXPECT_TRUE(IsOfferedDbxFile("folders2.dbx"));
}

TEST(AddStoreFolderOnce, AddsEachFolderOnceWhateverItsSpelling) {
    Folders folders;
    EXPECT_TRUE(AddStoreFolderOnce(folders, "C:\\Store"));
    EXPECT_FALSE(AddStoreFolderOnce(folders, "c:\\store\\"));
    EXPECT_FALSE(AddStoreFolderOnce(folders, ""));
    EXPECT_FALSE(AddStoreFolderOnce(folders, "Mail\\"));  // relative: never the current folder
    EXPECT_FALSE(AddStoreFolderOnce(folders, "%UserProfile%\\Mail"));
    EXPECT_TRUE(AddStoreFolderOnce(folders, "D:\\Other\\"));
    EXPECT_EQ(folders, (Folders{"C:\\Store\\", "D:\\Other\\"}));
}

TEST(MailBoxWashable, OnlyBoxFilesStraightInAStoreFolder) {
    const Folders stores = {"C:\\Store\\", "D:\\Mail\\"};
    EXPECT_TRUE(MailBoxWashable(stores, "C:\\Store\\Inbox.dbx"));
    EXPECT_TRUE(MailBoxWashable(stores, "c:\\store\\OUTBOX.DBX"));
    EXPECT_TRUE(MailBoxWashable(stores, "D:\\Mail\\Old.mbx"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Store\\notes.txt"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Store\\Old.idx"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Store\\.dbx"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Store\\sub\\Inbox.dbx"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Store\\..\\Inbox.dbx"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Store\\a/../../b.dbx"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Store\\a.dbx:stream.dbx"));
    EXPECT_FALSE(MailBoxWashable(stores, "C:\\Windows\\Inbox.dbx"));
    EXPECT_FALSE(MailBoxWashable(stores, "Inbox.dbx"));
    EXPECT_FALSE(MailBoxWashable({}, "C:\\Store\\Inbox.dbx"));
}

TEST(MbxIndexPath, ChangesTheExtension) {
    EXPECT_EQ(MbxIndexPath("C:\\Store\\Old.MBX"), "C:\\Store\\Old.idx");
}
