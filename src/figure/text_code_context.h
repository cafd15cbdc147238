#pragma once
#include <string>

#include "platform/clock.h"

namespace torvane {

// What the text codes of a figure's texts expand to (file name, dates, memo, scale).
// The figure readers set the file name and memo of the figure they read; the drawing
// window sets the file date.
inline std::u16string TxtFileName;
inline LocalTime TxtFileDate;
inline std::u16string TxtMemo;
inline std::u16string TxtMemo1;
inline std::u16string TxtMemo2;
inline std::u16string TxtTitle;
inline double TxtScaleDiv = 1.0;

// The context of a figure just read: its file name, no title or memo, scale divisor 1.
inline void ResetTextCodeContext(const std::u16string& fileName) {
    TxtFileName = fileName;
    TxtTitle.clear();
    TxtMemo.clear();
    TxtMemo1.clear();
    TxtMemo2.clear();
    TxtScaleDiv = 1.0;
}

}  // namespace torvane
