#pragma once
#include <string>
#include <vector>

#include "platform/ui_services.h"

namespace torvane::test {

// UI services that remember the messages instead of showing them.
class RecordingUi final : public UiServices {
public:
    std::vector<std::u16string> messages;
    void Message(std::u16string_view text) override { messages.emplace_back(text); }
    bool Confirm(std::u16string_view) override { return false; }
    void Beep() override {}
    void SetBusy(bool) override {}
};

}  // namespace torvane::test
