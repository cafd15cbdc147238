#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace torvane {

// What the save dialog offers: one file type, the folder shown first and the proposed name.
struct TSaveFileRequest {
    std::u16string FilterName;   // "JW図形 (*.jws)"
    std::u16string Pattern;      // "*.jws"; a name typed without extension gets this one
    std::filesystem::path Folder;
    std::u16string FileName;     // without extension
};

// The system's save-file dialog.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The file the user chose; nothing when the dialog was cancelled. When the file exists, the
    // dialog has already asked whether to replace it and the user said yes.
    virtual std::optional<std::filesystem::path> AskSaveFile(const TSaveFileRequest& request) = 0;
};

// The back end's dialog (without a desktop: one that is always cancelled).
SaveDialog& SystemSaveDialog();

}  // namespace torvane
