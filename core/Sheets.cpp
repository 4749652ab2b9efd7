#include "core/GameState.h"
#include "core/Game.h"
#include "graphics/SheetNames.h"
#include "graphics/BitmapFile.h"

namespace game {

// Read from disk on every call: the roster frame's background included.
void LoadSheet(platform::Surface* Target, std::string_view SheetName) {
    BitmapFile::LoadBitmapFile(SheetNames::SheetPath(World().appFolder, SheetName), Target);
}

}  // namespace game
