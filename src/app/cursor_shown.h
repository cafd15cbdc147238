#pragma once
#include "app/form1_view.h"

namespace torvane {

// Shows a cursor for its lifetime, then the normal one, however the work ends.
class CursorShown {
public:
    CursorShown(TForm1View& view, TPaletteCursor cursor) : view_(view) { view_.SetCursor(cursor); }
    ~CursorShown() { view_.SetCursor(TPaletteCursor::Normal); }
    CursorShown(const CursorShown&) = delete;
    CursorShown& operator=(const CursorShown&) = delete;

private:
    TForm1View& view_;
};

}  // namespace torvane
