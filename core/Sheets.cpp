#include "core/Game.h"
#include "graphics/BitmapFile.h"
#include "graphics/SheetNames.h"

namespace game {

// Read from disk on every call: the roster frame's background included.
void Game::LoadSheet(graphics::Surface* target, std::string_view sheetName) {
    sheets_.Load(graphics::SheetPath(world_.appFolder, sheetName), target);
}

}  // namespace game
