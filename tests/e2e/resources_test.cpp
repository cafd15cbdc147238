#include <gtest/gtest.h>

#include <string>

#include "torvane_process.h"

namespace torvane {
namespace {

// The bytes of a resource of the executable loaded as data; empty when it has none.
std::string Resource(HMODULE exe, LPCWSTR type, LPCWSTR name) {
    HRSRC found = FindResourceW(exe, name, type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(exe, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes != nullptr ? std::string(bytes, SizeofResource(exe, found)) : std::string();
}

// torvane.exe carries a manifest (common controls 6, the Windows versions it was made for, no
// elevation, long paths, DPI handling), its icon at every size and its version information.
TEST(ResourcesTest, TheExecutableCarriesItsManifestIconAndVersion) {
    HMODULE exe = LoadLibraryExW(test::BuiltExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr);
    const std::string manifest = Resource(exe, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    for (const char* part : {"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                             "<gdiScaling", ">true</gdiScaling>", ">unaware</dpiAwareness>", ">true</longPathAware>"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    const std::string icons = Resource(exe, MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(1));
    ASSERT_GE(icons.size(), 6u + 5 * 14) << "an icon group of five sizes";
    EXPECT_EQ(icons[4], 5);
    const std::string version = Resource(exe, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1));
    const std::wstring wide(reinterpret_cast<const wchar_t*>(version.data()), version.size() / 2);
    for (const wchar_t* part : {L"ProductName", L"Torvane", L"041104B0", L"040904B0", L"2.0.0.0"})
        EXPECT_NE(wide.find(part), std::wstring::npos) << part;
    FreeLibrary(exe);
}

}  // namespace
}  // namespace torvane
