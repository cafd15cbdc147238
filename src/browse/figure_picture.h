#pragma once
#include <filesystem>
#include <functional>
#include <string_view>

#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"
#include "platform/bitmap.h"
#include "platform/device.h"
#include "platform/ui_services.h"

namespace torvane {

// Draws figure files into the pictures of the figure windows, reading each into the shared
// JWS, JWK or drawing document by its extension (only its frame without them). A drawing is
// drawn without its hidden layers and layer groups.
class TFigurePainter {
public:
    TFigurePainter(UiServices& ui, DeviceFactory device) : ui_(ui), device_(std::move(device)) {}

    // A W x H picture: the background with a blue frame, and the figure fitted into it when the
    // file exists and is one of its kind. A file read only in part is drawn as far as read,
    // after a message.
    Bitmap Draw(const std::filesystem::path& file, int width, int height);

    TJwsData* JWS = nullptr;
    TJwkData* JWK = nullptr;
    TJwwData* JWW = nullptr;
    int BackColor = 0;  // 0 white, 1 black
    // Receives the status texts while a file is read and drawn; none are shown when empty.
    std::function<void(std::u16string_view)> Status;

private:
    template <typename Figure>
    Bitmap ReadAndDraw(Figure& figure, const std::filesystem::path& file, int width, int height);
    Bitmap Frame(int width, int height) const;
    void ShowStatus(std::u16string_view text) const;

    UiServices& ui_;
    DeviceFactory device_;
};

}  // namespace torvane
