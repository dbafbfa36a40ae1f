// The mail box list's clicks and what they leave in the chosen boxes.
#include <gtest/gtest.h>

#include "lists/mail_boxes_list.h"

using Lines = std::vector<std::string>;

namespace {

std::string Shown(const MailBoxesList& list) {
    std::string text;
    for (const MailBoxItem& item : list.Items())
        text += (item.ticked ? "[x] " : "[ ] ") + item.line + "\n";
    return text;
}

struct Asker {
    bool answer = true;
    std::vector<bool> asked;  // all?
    ConfirmMailBoxChoice Confirm() {
        return [this](bool all) {
            asked.push_back(all);
            return answer;
        };
    }
};

}  // namespace

TEST(MailBoxesList, ShowsTheChosenBoxesTickedAndTheFoundOnesSortedOnce) {
    MailBoxesList list;
    list.Rebuild({"sent=C:\\S\\Sent.dbx", "gone=C:\\S\\Gone.dbx"},
                 {"inbox=C:\\S\\Inbox.dbx", "Sent=C:\\S\\Sent.dbx", "archive=C:\\S\\Archive.mbx"});
    EXPECT_EQ(Shown(list),
              "[ ] archive=C:\\S\\Archive.mbx\n"
              "[x] gone=C:\\S\\Gone.dbx\n"
              "[ ] inbox=C:\\S\\Inbox.dbx\n"
              "[x] sent=C:\\S\\Sent.dbx\n");
}

TEST(MailBoxesList, ATickIsAskedForAndNoKeepsTheBoxUnticked) {
    MailBoxesList list;
    list.Rebuild({}, {"inbox=C:\\S\\Inbox.dbx"});
    Lines selected;
    Asker asker;
    asker.answer = false;
    list.ClickCheck(0, selected, asker.Confirm());
    EXPECT_EQ(asker.asked, std::vector<bool>{false});
    EXPECT_FALSE(list.Items()[0].ticked);
    EXPECT_TRUE(selected.empty());

    asker.answer = true;
    list.ClickCheck(0, selected, asker.Confirm());
    EXPECT_TRUE(list.Items()[0].ticked);
    EXPECT_EQ(selected, Lines{"inbox=C:\\S\\Inbox.dbx"});

    list.ClickCheck(0, selected, asker.Confirm());  // unticked: nothing asked
    EXPECT_EQ(asker.asked.size(), 2u);
    EXPECT_FALSE(list.Items()[0].ticked);
    EXPECT_TRUE(selected.empty());
    list.ClickCheck(5, selected, asker.Confirm());  // no such item
    EXPECT_EQ(asker.asked.size(), 2u);
}

TEST(MailBoxesList, SelectAllAsksOnceAndDeselectAllAsksNothing) {
    MailBoxesList list;
    list.Rebuild({"inbox=C:\\S\\Inbox.dbx"}, {"inbox=C:\\S\\Inbox.dbx", "sent=C:\\S\\Sent.dbx"});
    Lines selected = {"inbox=C:\\S\\Inbox.dbx", "other=D:\\Elsewhere\\x.dbx"};
    Asker asker;
    asker.answer = false;
    list.SelectAll(selected, asker.Confirm());
    EXPECT_EQ(selected.size(), 2u);
    EXPECT_FALSE(list.Items()[1].ticked);

    asker.answer = true;
    list.SelectAll(selected, asker.Confirm());
    EXPECT_EQ(asker.asked, (std::vector<bool>{true, true}));
    EXPECT_EQ(selected, (Lines{"inbox=C:\\S\\Inbox.dbx", "other=D:\\Elsewhere\\x.dbx",
                               "sent=C:\\S\\Sent.dbx"}));
    EXPECT_EQ(Shown(list), "[x] inbox=C:\\S\\Inbox.dbx\n[x] sent=C:\\S\\Sent.dbx\n");

    list.DeselectAll(selected);
    EXPECT_EQ(asker.asked.size(), 2u);
    EXPECT_EQ(selected, Lines{"other=D:\\Elsewhere\\x.dbx"});  // not listed, so not touched
    EXPECT_EQ(Shown(list), "[ ] inbox=C:\\S\\Inbox.dbx\n[ ] sent=C:\\S\\Sent.dbx\n");
}
