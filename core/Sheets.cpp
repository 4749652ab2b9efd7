#include "core/Game.h"
#include "graphics/SheetNames.h"
#include "graphics/BitmapFile.h"

namespace game {

// Read from disk on every call: the roster frame's background included.
void Game::LoadSheet(platform::Surface* target, std::string_view sheetName) {
    sheets_.Load(SheetNames::SheetPath(world_.appFolder, sheetName), target);
}

}  // namespace game
