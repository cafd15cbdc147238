#include <windows.h>

#include <commdlg.h>

#include "platform/save_dialog.h"
#include "platform/win32/wide_text.h"

namespace torvane {
namespace {

// GetSaveFileNameW owned by the window the user works in, so that it is modal to it. The
// dialog itself asks before a file is replaced (OFN_OVERWRITEPROMPT).
class Win32SaveDialog final : public SaveDialog {
public:
    std::optional<std::filesystem::path> AskSaveFile(const TSaveFileRequest& request) override {
        // The filter: display name, pattern, each ended by a null, and a null after the last.
        std::wstring filter = WideText(request.FilterName) + L'\0' + WideText(request.Pattern) + L'\0';
        const std::size_t dot = request.Pattern.rfind(u'.');
        const std::wstring extension = dot == std::u16string::npos ? L"" : WideText(request.Pattern.substr(dot + 1));
        std::wstring name = WideText(request.FileName);
        name.resize(32768, L'\0');
        const std::wstring folder = request.Folder.wstring();
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = GetActiveWindow();
        dialog.lpstrFilter = filter.c_str();
        dialog.lpstrFile = name.data();
        dialog.nMaxFile = static_cast<DWORD>(name.size());
        dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
        dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                       OFN_ENABLESIZING;
        if (!GetSaveFileNameW(&dialog)) return std::nullopt;
        name.resize(name.find(L'\0'));
        return std::filesystem::path(name);
    }
};

}  // namespace

SaveDialog& SystemSaveDialog() {
    static Win32SaveDialog dialog;
    return dialog;
}

}  // namespace torvane
