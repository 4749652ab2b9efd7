#pragma once

#include <filesystem>

#include "Canvas.h"

namespace art {

struct PictureSet {
    Canvas school;
    Canvas characters;
    Canvas punches;
    Canvas beating;
    Canvas judge;
    Canvas splash;
};

// Writes the pictures as the game composes them (roster on the school scene in both walking
// frames and agitated, punch bursts on both punishment scenes) so the art can be judged by eye.
void WritePreviews(const std::filesystem::path& folder, const PictureSet& pictures);

}  // namespace art
