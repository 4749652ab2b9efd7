#pragma once

#include <vector>

#include "Palette.h"

namespace art {

// A plain RGB picture; writes outside it are dropped so drawings may overhang.
class Canvas {
public:
    Canvas(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb colour);
    void FillRect(int x, int y, int w, int h, Rgb colour);

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace art
