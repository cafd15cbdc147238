#include <gtest/gtest.h>

#include "dialog_fakes.h"
#include "platform/memory/scripted_window_list.h"

namespace torvane::test {
namespace {

TEST(JwwSelectDialog, ListsJwcadDrawingsPreviewsAndChooses) {
    ScriptedWindowList windows;
    windows.windows = {{11, u"平面図 - jw_win", true, 0},  {12, u"jw_win", true, 0},   {13, u"隠れ - jw_win", false, 0},
                       {14, u"子 - jw_win", true, 11},    {15, u"図　H:5 - jw_win", true, 0}};
    FakeJwwSelectDialog view;
    TForm7 form{windows};
    form.FormShow(view);
    EXPECT_EQ(view.entries, (std::vector<std::u16string>{u"平面図　H:11", u"図　H:5　H:15"}));

    // A click shows the entry's window for a moment; a window closed since is left alone.
    windows.minimized = {15};
    view.selected = 1;
    form.ListBox1Click(view);
    EXPECT_EQ(std::pair(windows.restored, windows.brought_to_front),
              std::pair(std::vector<WindowHandle>{15}, std::vector<WindowHandle>{15}));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"pause 300", "front"}));
    view.selected = 0;
    windows.windows.erase(windows.windows.begin());
    form.ListBox1Click(view);
    EXPECT_EQ(view.calls.size(), 2u);

    // The handle follows the last mark.
    view.selected = 1;
    form.OkClick(view);
    EXPECT_EQ(std::pair(form.OKflag, form.S_HND), std::pair(true, 15));
    form.LastJwwClick(view);
    EXPECT_EQ(form.S_HND, -1);
    form.CancelClick(view);
    EXPECT_FALSE(form.OKflag);

    // Without Jw_cad: OK does nothing, "選択しない(&S)" still closes with no window.
    windows.windows.clear();
    form.FormShow(view);
    view.calls.clear();
    view.selected = -1;
    form.OkClick(view);
    EXPECT_TRUE(view.calls.empty());
    form.NoneClick(view);
    EXPECT_EQ(std::tuple(form.OKflag, form.S_HND, view.calls.size()), std::tuple(true, 0, 1u));
}

}  // namespace
}  // namespace torvane::test
