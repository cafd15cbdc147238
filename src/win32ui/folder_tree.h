#pragma once
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

// The folder tree: a drive's folders in a tree view, each folder's subfolders read when it is
// first expanded, one folder selected. Folder names keep every character (Japanese included).
class FolderTree {
public:
    bool Create(HWND parent, int id, HFONT font);
    HWND Handle() const { return tree_; }
    // Shows the folders from the drive of `folder` down to it, opened and selected, without
    // reporting the selection. Where a part of the path does not exist, its parent is selected.
    void ShowFolder(const std::filesystem::path& folder);
    // Handles a notification of the tree; the folder the user selected, when that is what it was.
    std::optional<std::filesystem::path> Notify(const NMHDR& header);

private:
    HTREEITEM Add(HTREEITEM parent, const std::filesystem::path& folder, const std::wstring& text);
    // Reads the subfolders of the item's folder once.
    void LoadChildren(HTREEITEM item);
    const std::filesystem::path* FolderOf(HTREEITEM item) const;
    // The child item of that folder name, in any letter case; null when there is none.
    HTREEITEM ChildNamed(HTREEITEM parent, const std::wstring& name) const;

    HWND tree_ = nullptr;
    // Folders of the items (their lParam) and whether their children were read.
    std::vector<std::filesystem::path> folders_;
    std::vector<bool> loaded_;
    bool showing_ = false;
};

}  // namespace torvane
