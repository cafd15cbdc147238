#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui_services.h"

namespace torvane::test {

// UI services that remember the messages and confirmations and count the beeps instead of
// showing them, and answer every confirmation with `confirm`.
class RecordingUi final : public UiServices {
public:
    void Message(std::u16string_view text) override { messages.emplace_back(text); }
    bool Confirm(std::u16string_view text) override {
        confirmations.emplace_back(text);
        return confirm;
    }
    void Beep() override { ++beeps; }
    void SetBusy(bool) override {}
    std::vector<std::u16string> messages;
    std::vector<std::u16string> confirmations;
    int beeps = 0;
    bool confirm = true;
};

}  // namespace torvane::test
