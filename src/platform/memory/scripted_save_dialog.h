#pragma once
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/save_dialog.h"

namespace torvane {

// A save dialog that tests script: it remembers every request and answers with `answer`
// (nothing: cancelled).
class ScriptedSaveDialog final : public SaveDialog {
public:
    std::optional<std::filesystem::path> AskSaveFile(const TSaveFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }

    std::optional<std::filesystem::path> answer;
    std::vector<TSaveFileRequest> requests;
};

}  // namespace torvane
