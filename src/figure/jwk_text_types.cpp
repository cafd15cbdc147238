#include "figure/jwk_text_types.h"

namespace torvane {

TJwkMojisyuTable JwcMojiDef = JwcMojiDefStartup;

}  // namespace torvane
