// The Vanish page's Shred over real files in the Wine prefix, with a recording view.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/recording_views.h"
#include "support/temp_folder.h"
#include "vanish/shred_selection.h"

using testing_support::RecordingWashView;
using testing_support::TempFolder;

namespace {

struct Shredder {
    RecordingWashView view;
    Catalogue catalogue;
    WasherTable table;
    WashContext ctx{catalogue, view, table};
    int refreshes = 0;

    void Shred(const std::string& folder, const std::vector<std::string>& names) {
        view.progress.clear();
        view.questions.clear();
        ShredSelection(ctx, folder, names, [this] { ++refreshes; });
    }
};

TEST(Shred, WithNothingSelectedOnlyTheTwoProgressTextsShow) {
    Shredder s;
    s.Shred("C:\\", {});
    EXPECT_EQ(s.view.progress, (std::vector<std::string>{kShredStartText, kShredDoneText}));
    EXPECT_TRUE(s.view.questions.empty());
    EXPECT_EQ(s.refreshes, 0);
    EXPECT_FALSE(s.ctx.Washing);
    EXPECT_TRUE(s.view.timerEnabled);
}

TEST(Shred, AllDestroysTheRestWithoutAskingAndCancelLeavesTheRest) {
    TempFolder t;
    const std::string a = t.AddFile("a.txt", "aaaa"), b = t.AddFile("b.txt", "bb"),
                      c = t.AddFile("c.txt", "c");
    Shredder s;
    s.ctx.Opts.WashLevel = 2;  // overwritten before the delete
    s.view.answers = {ConfirmAnswer::Yes, ConfirmAnswer::Cancel};
    s.Shred(t.Path(), {"a.txt", "b.txt", "c.txt"});
    EXPECT_EQ(s.view.questions,
              (std::vector<std::string>{"Delete " + a + " ?", "Delete " + b + " ?"}));
    EXPECT_FALSE(platform::FileExists(a));
    EXPECT_TRUE(platform::FileExists(b));
    EXPECT_TRUE(platform::FileExists(c));
    EXPECT_EQ(s.refreshes, 1);
    EXPECT_EQ(s.view.progress.front(), kShredStartText);
    EXPECT_EQ(s.view.progress.back(), kShredDoneText);

    s.view.answers = {ConfirmAnswer::All};
    s.Shred(t.Path(), {"b.txt", "c.txt"});
    EXPECT_EQ(s.view.questions.size(), 1u);
    EXPECT_FALSE(platform::FileExists(b));
    EXPECT_FALSE(platform::FileExists(c));
}

TEST(Shred, ASelectedFolderIsEmptiedAndRemoved) {
    TempFolder t;
    const std::string deep = t.AddFile("tree\\one\\two\\deep.bin", std::string(10000, 'x'));
    const std::string beside = t.AddFile("tree\\beside.txt", "b");
    const std::string keep = t.AddFile("keep.txt", "k");
    Shredder s;
    s.view.answers = {ConfirmAnswer::All};
    s.Shred(t.Path(), {"tree"});
    EXPECT_FALSE(platform::FileExists(deep));
    EXPECT_FALSE(platform::FileExists(beside));
    EXPECT_FALSE(platform::FolderExists(t.Path() + "tree\\"));
    EXPECT_TRUE(platform::FileExists(keep));
}

TEST(Shred, DoesNothingWhileAWashRuns) {
    TempFolder t;
    const std::string a = t.AddFile("a.txt");
    Shredder s;
    s.ctx.Washing = true;
    s.Shred(t.Path(), {"a.txt"});
    EXPECT_TRUE(platform::FileExists(a));
    EXPECT_TRUE(s.view.progress.empty());
}

}  // namespace
