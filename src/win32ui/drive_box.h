#pragma once
#include <windows.h>

#include <filesystem>

namespace torvane {

// The drive box: a drop-down list of the system's drives ("c:", "d:" ...).
class DriveBox {
public:
    bool Create(HWND parent, int id, HFONT font);
    HWND Handle() const { return combo_; }
    // Selects the drive of the folder's first letter (nothing when it names none).
    void Select(const std::filesystem::path& folder);
    // The selected drive's root ("C:\"); empty when none is selected.
    std::filesystem::path Root() const;

private:
    HWND combo_ = nullptr;
};

}  // namespace torvane
