#include "ui/controls.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A check list on a hidden page, as the wash objects are loaded at start-up.
class RedrawPausedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        page = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
        ASSERT_TRUE(page);
        list = ui::CreateListView(page, 7, ui::Rect(0, 0, 300, 200), LVS_NOCOLUMNHEADER, true,
                                  nullptr);
        ASSERT_TRUE(list);
        ui::AddListColumn(list, 0, "", 250, LVCFMT_LEFT);
    }
    void TearDown() override { DestroyWindow(page); }
    bool Styled(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

    HWND page = nullptr;
    HWND list = nullptr;
};

TEST_F(RedrawPausedTest, RowsFilledWhilePausedAreAllThereAndScrollable) {
    {
        ui::RedrawPaused quiet(list);
        for (int i = 0; i < 120; ++i) {
            int row = ui::InsertListRow(list, i, "Object " + std::to_string(i));
            ui::SetListRowChecked(list, row, i % 3 == 0);
        }
    }
    ASSERT_EQ(ui::ListCount(list), 120);
    EXPECT_EQ(ui::ListCell(list, 119, 0), "Object 119");
    EXPECT_TRUE(ui::ListRowChecked(list, 117));
    EXPECT_FALSE(ui::ListRowChecked(list, 118));
    EXPECT_TRUE(Styled(list));  // still shown within its page
    // Drawing is back on: the layout caught up, so the last row can be scrolled to.
    SendMessageW(list, LVM_ENSUREVISIBLE, 119, FALSE);
    EXPECT_GT(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 0);
}

TEST_F(RedrawPausedTest, AHiddenControlStaysHidden) {
    ShowWindow(list, SW_HIDE);
    { ui::RedrawPaused quiet(list); }
    EXPECT_FALSE(Styled(list));
}

}  // namespace
