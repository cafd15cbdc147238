#include "app/clip_names.h"

#include <cstdio>
#include <system_error>

namespace torvane {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return days[(month - 1) % 12];
}

}  // namespace

std::u16string ClipNameOfTime(const LocalTime& time) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d_%02d%02d%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

LocalTime NextSecond(LocalTime time) {
    if (++time.second < 60) return time;
    time.second = 0;
    if (++time.minute < 60) return time;
    time.minute = 0;
    if (++time.hour < 24) return time;
    time.hour = 0;
    if (++time.day <= DaysInMonth(time.year, time.month)) return time;
    time.day = 1;
    if (++time.month <= 12) return time;
    time.month = 1;
    ++time.year;
    return time;
}

bool IsPlainClipName(std::u16string_view name) {
    if (name.empty() || name.find(u"..") != std::u16string_view::npos) return false;
    if (name.front() == u' ' || name.back() == u' ' || name.back() == u'.') return false;
    for (char16_t c : name) {
        if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) return false;
    }
    return true;
}

std::filesystem::path ClipFile(const std::filesystem::path& folder, std::u16string_view name,
                               const char* extension) {
    std::u16string file(name);
    for (const char* c = extension; *c != '\0'; ++c) file += static_cast<char16_t>(*c);
    return folder / std::filesystem::path(file);
}

bool ClipFilesExist(const std::filesystem::path& folder, std::u16string_view name) {
    std::error_code error;
    for (const char* extension : ClipExtensions) {
        if (std::filesystem::exists(ClipFile(folder, name, extension), error)) return true;
    }
    return false;
}

void DeleteClipFiles(const std::filesystem::path& folder, std::u16string_view name) {
    if (!IsPlainClipName(name)) return;
    for (const char* extension : ClipExtensions) {
        std::error_code error;
        std::filesystem::remove(ClipFile(folder, name, extension), error);
    }
}

}  // namespace torvane
