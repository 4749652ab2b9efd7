#pragma once

#include <vector>

#include "Palette.h"

namespace art {

// A plain RGB picture; writes outside it are dropped so drawings may overhang.
class Canvas {
public:
    Canvas(int width, int height, Rgb fill);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    void fillRect(int x, int y, int w, int h, Rgb colour);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace art
