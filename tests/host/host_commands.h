#pragma once

// Commands the test host takes in WM_COPYDATA messages: dwData is the command, the data an
// argument in UTF-16 (without terminator). The result of SendMessage is the command's answer.
namespace torvane::test_host {

enum Command : unsigned {
    // Puts the figure stream file named by the argument on the clipboard as Jw_cad does:
    // "DataObject", "Jw_win" (the file's bytes), "Ole Private Data". Answer 1 on success.
    kPut = 1,
    // Opens the clipboard and keeps it open for the argument's number of milliseconds. Answer 1 when opened.
    kHoldClipboard = 2,
    // Shows a dialog window owned by the main window, titled by the argument, in front. Answer: its handle.
    kShowDialog = 3,
    // Answer: how many Ctrl+V the main window has received.
    kPasteCount = 4,
    // Minimises the main window. Answer 1.
    kMinimize = 5,
    // Closes the host. Answer 1.
    kQuit = 6,
    // Writes the "Jw_win" block to the paste file now, as on Ctrl+V but not counted. Answer 1
    // when the block was there.
    kPasteNow = 7,
    // Brings the main window to the front. Answer 1 when it is the foreground window then.
    kActivate = 8,
    // Answer: when the last counted Ctrl+V arrived, in microseconds of QueryPerformanceCounter
    // (a clock shared by every process); 0 before the first.
    kLastPasteTime = 9,
    // Answer: how many times the main window has been activated.
    kActivationCount = 10,
    // As kPut, then opens the clipboard again at once and keeps it open: the argument is the
    // milliseconds, a space and the file. Answer 1 when both were done.
    kPutAndHold = 11,
};

// Suffix of the host's window title, as Jw_cad's.
inline constexpr wchar_t kTitleSuffix[] = L" - jw_win";

}  // namespace torvane::test_host
