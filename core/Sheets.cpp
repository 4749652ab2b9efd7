#include "core/GameState.h"
#include "core/basFendo.h"
#include "graphics/SheetNames.h"
#include "graphics/basLoadPictureDIB.h"

namespace basFendo {

// Read from disk on every call: the roster frame's background included.
void LoadSheet(platform::Surface* Target, std::string_view SheetName) {
    basLoadPictureDIB::LoadBitmapFile(SheetNames::SheetPath(World().appFolder, SheetName), Target);
}

}  // namespace basFendo
