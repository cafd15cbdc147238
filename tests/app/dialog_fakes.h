#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/form2.h"
#include "app/form3.h"
#include "app/form7.h"

namespace torvane::test {

// A settings dialog whose controls tests set and read.
class FakeSettingsDialog final : public TForm2View {
public:
    void ShowControls(const TForm2Controls& c) override { controls = c; }
    TForm2Controls ReadControls() override { return controls; }
    void Focus(TForm2Focus control) override { focus.push_back(control); }
    std::optional<int> ChooseColor(int) override { return chosenColor; }
    void Close() override { closed = true; }
    TForm2Controls controls;
    std::vector<TForm2Focus> focus;
    std::optional<int> chosenColor;
    bool closed = false;
};

// A Jw_cad selection dialog recording its calls ("pause 300", "front", "close").
class FakeJwwSelectDialog final : public TForm7View {
public:
    void SetEntries(const std::vector<std::u16string>& e) override { entries = e; }
    int SelectedIndex() override { return selected; }
    void Pause(int ms) override { calls.push_back("pause " + std::to_string(ms)); }
    void BringToFront() override { calls.push_back("front"); }
    void Close() override { calls.push_back("close"); }
    std::vector<std::u16string> entries;
    int selected = -1;
    std::vector<std::string> calls;
};

// A clip viewer of a given drawing area size keeping the pictures it is shown.
class FakeClipViewer final : public TForm3View {
public:
    TSize DrawingSize() override { return size; }
    void ShowPicture(const Bitmap& p) override { pictures.push_back(p); }
    void ClearPicture() override { ++clears; }
    void SetStatusText(std::u16string_view text) override { status = text; }
    void FocusEdit1() override { ++focusEdit1; }
    void Close() override { closed = true; }
    TSize size{602, 449};
    std::vector<Bitmap> pictures;
    int clears = 0;
    std::u16string status;
    int focusEdit1 = 0;
    bool closed = false;
};

}  // namespace torvane::test
