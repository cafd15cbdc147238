#include "app/clip_store_folder.h"

#include <fstream>

namespace torvane {
namespace {

bool TakesAFile(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / "torvane-write-probe.tmp";
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        written = out && (out << 'x') && out.flush();
    }
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return written;
}

}  // namespace

bool StoreFolderWritable(const std::filesystem::path& folder) {
    const std::filesystem::path temp = folder / "Temp";
    std::error_code ec;
    std::filesystem::create_directories(temp, ec);
    return std::filesystem::is_directory(temp, ec) && TakesAFile(folder) && TakesAFile(temp);
}

TClipStore ChooseClipStore(const std::filesystem::path& exePath, const std::filesystem::path& perUserFolder) {
    if (perUserFolder.empty() || StoreFolderWritable(exePath.parent_path())) return {exePath, false, false};
    std::filesystem::path settings = perUserFolder / exePath.filename();
    settings.replace_extension(".dat");
    std::error_code ec;
    const bool fresh = !std::filesystem::exists(settings, ec);
    return {perUserFolder / exePath.filename(), true, fresh};
}

std::u16string PerUserStoreMessage(const std::filesystem::path& exeFolder, const std::filesystem::path& perUserFolder) {
    return u"フォルダ " + exeFolder.u16string() + u" には書き込めないため、クリップと設定をそこに保存できません。\n" +
           u"クリップと設定は " + perUserFolder.u16string() + u" に保存します。";
}

}  // namespace torvane
