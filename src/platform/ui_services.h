#pragma once
#include <string_view>

namespace torvane {

// What the core asks of the user interface besides its windows: plain message boxes,
// yes/no confirmations, the default beep and the busy cursor.
class UiServices {
public:
    virtual ~UiServices() = default;
    virtual void Message(std::u16string_view text) = 0;
    virtual bool Confirm(std::u16string_view text) = 0;
    virtual void Beep() = 0;
    virtual void SetBusy(bool busy) = 0;
};

}  // namespace torvane
