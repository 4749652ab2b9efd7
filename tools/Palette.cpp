#include "Palette.h"

#include <stdexcept>
#include <string>

namespace art {

Rgb ColourForKey(char key) {
    for (const PaletteKey& entry : kPaletteKeys) {
        if (entry.key == key) {
            return entry.colour;
        }
    }
    throw std::invalid_argument(std::string("pixel map uses an unknown colour key '") + key + "'");
}

}  // namespace art
