#pragma once
#include <windows.h>

#include <filesystem>
#include <string>

namespace torvane {

// One palette per clip store: a named mutex of this session, named after the settings file's
// full path (case-insensitively, as Windows compares paths). The first palette of a store marks
// its window, so that a later start on the same store can bring it to the front.
class SingleInstance {
public:
    explicit SingleInstance(const std::filesystem::path& settings_file);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other palette of this store runs.
    bool First() const { return first_; }
    // Marks the palette of this store.
    void MarkPalette(HWND palette) const;
    // Brings the running palette of this store to the front, restored if minimised; waits up to
    // `milliseconds` for it to appear (it may still be starting). False when none appeared.
    bool ActivateRunning(int milliseconds) const;

    // The name of the store's mutex and window mark.
    static std::wstring StoreKey(const std::filesystem::path& settings_file);

private:
    std::wstring key_;
    HANDLE mutex_ = nullptr;
    bool first_ = true;
};

}  // namespace torvane
