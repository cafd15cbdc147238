#include <gtest/gtest.h>

#include "dialog_fakes.h"
#include "platform/memory/scripted_window_list.h"

namespace torvane::test {
namespace {

// Two Jw_cad drawings among windows that are not listed.
class JwwSelectDialogTest : public ::testing::Test {
protected:
    JwwSelectDialogTest() {
        windows.windows = {{11, u"平面図 - jw_win", true, 0},   {12, u"jw_win", true, 0},
                           {13, u"隠れ - jw_win", false, 0},     {14, u"子 - jw_win", true, 11},
                           {15, u"立面図.jww - jw_win", true, 0}, {16, u"大文字 - JW_WIN", true, 0}};
        form.FormShow(view);
    }
    ScriptedWindowList windows;
    FakeJwwSelectDialog view;
    TForm7 form{windows};
};

TEST_F(JwwSelectDialogTest, ListsVisibleUnownedWindowsTitledAsJwcadDrawings) {
    EXPECT_EQ(view.entries, (std::vector<std::u16string>{u"平面図　H:11", u"立面図.jww　H:15"}));
    EXPECT_FALSE(form.OKflag);
    windows.windows.clear();
    form.FormShow(view);
    EXPECT_TRUE(view.entries.empty());
}

TEST_F(JwwSelectDialogTest, ClickingAnEntryShowsItsWindowForAMoment) {
    windows.minimized = {15};
    view.selected = 1;
    form.ListBox1Click(view);
    EXPECT_EQ(windows.restored, std::vector<WindowHandle>{15});
    EXPECT_EQ(windows.brought_to_front, std::vector<WindowHandle>{15});
    EXPECT_EQ(view.calls, (std::vector<std::string>{"pause 300", "front"}));
    EXPECT_FALSE(form.OKflag);
    // A window closed since the list was made is left alone.
    std::erase_if(windows.windows, [](const TopLevelWindow& w) { return w.handle == 15; });
    form.ListBox1Click(view);
    EXPECT_EQ(view.calls.size(), 2u);
}

TEST_F(JwwSelectDialogTest, TheFourButtons) {
    form.OkClick(view);  // nothing selected: nothing happens
    EXPECT_TRUE(view.calls.empty());
    view.selected = 1;
    form.OkClick(view);
    EXPECT_EQ(std::pair(form.OKflag, form.S_HND), std::pair(true, 15));
    form.NoneClick(view);
    EXPECT_EQ(std::pair(form.OKflag, form.S_HND), std::pair(true, 0));
    form.LastJwwClick(view);
    EXPECT_EQ(std::pair(form.OKflag, form.S_HND), std::pair(true, -1));
    form.CancelClick(view);
    EXPECT_FALSE(form.OKflag);
    EXPECT_EQ(view.calls, std::vector<std::string>(4, "close"));

    // A drawing named like an entry still gives the handle after the last mark.
    windows.windows = {{21, u"図　H:5 - jw_win", true, 0}};
    form.FormShow(view);
    view.selected = 0;
    form.OkClick(view);
    EXPECT_EQ(form.S_HND, 21);
}

}  // namespace
}  // namespace torvane::test
