#include "win32ui/folder_tree.h"

#include <algorithm>
#include <system_error>

namespace torvane {
namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// The subfolders of `folder`, by name without regard to case; none when it cannot be read.
std::vector<std::filesystem::path> Subfolders(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory(error)) found.push_back(it->path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const std::wstring x = a.filename().wstring();
        const std::wstring y = b.filename().wstring();
        return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size()), TRUE) ==
               CSTR_LESS_THAN;
    });
    return found;
}

}  // namespace

bool FolderTree::Create(HWND parent, int id, HFONT font) {
    tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                TVS_SHOWSELALWAYS,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                            nullptr);
    if (tree_ != nullptr) SendMessageW(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return tree_ != nullptr;
}

HTREEITEM FolderTree::Add(HTREEITEM parent, const std::filesystem::path& folder, const std::wstring& text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.lParam = static_cast<LPARAM>(folders_.size());
    // Whether a folder has subfolders shows when it is opened.
    insert.item.cChildren = 1;
    folders_.push_back(folder);
    loaded_.push_back(false);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

const std::filesystem::path* FolderTree::FolderOf(HTREEITEM item) const {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (item == nullptr || !SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) return nullptr;
    const auto index = static_cast<std::size_t>(data.lParam);
    return index < folders_.size() ? &folders_[index] : nullptr;
}

void FolderTree::LoadChildren(HTREEITEM item) {
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) return;
    const auto index = static_cast<std::size_t>(data.lParam);
    if (index >= folders_.size() || loaded_[index]) return;
    loaded_[index] = true;
    const std::vector<std::filesystem::path> children = Subfolders(folders_[index]);
    for (const auto& child : children) Add(item, child, child.filename().wstring());
    if (children.empty()) {
        data.mask = TVIF_CHILDREN;
        data.cChildren = 0;
        SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    }
}

HTREEITEM FolderTree::ChildNamed(HTREEITEM parent, const std::wstring& name) const {
    auto next = [this](HTREEITEM item, WPARAM relation) {
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    };
    for (HTREEITEM child = next(parent, TVGN_CHILD); child != nullptr; child = next(child, TVGN_NEXT)) {
        const std::filesystem::path* folder = FolderOf(child);
        if (folder != nullptr && SameName(folder->filename().wstring(), name)) return child;
    }
    return nullptr;
}

void FolderTree::ShowFolder(const std::filesystem::path& folder) {
    showing_ = true;
    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    folders_.clear();
    loaded_.clear();
    const std::filesystem::path root = folder.root_path();
    HTREEITEM item = Add(TVI_ROOT, root, root.wstring());
    for (const auto& part : folder.relative_path()) {
        if (part.empty()) continue;
        LoadChildren(item);
        HTREEITEM child = ChildNamed(item, part.wstring());
        if (child == nullptr) break;
        SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        item = child;
    }
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    InvalidateRect(tree_, nullptr, TRUE);
    showing_ = false;
}

std::optional<std::filesystem::path> FolderTree::Notify(const NMHDR& header) {
    const auto& view = reinterpret_cast<const NMTREEVIEWW&>(header);
    if (header.code == TVN_ITEMEXPANDINGW && (view.action & TVE_EXPAND) != 0) LoadChildren(view.itemNew.hItem);
    if (header.code == TVN_SELCHANGEDW && !showing_) {
        if (const std::filesystem::path* folder = FolderOf(view.itemNew.hItem)) return *folder;
    }
    return std::nullopt;
}

}  // namespace torvane
