#include "graphics/SheetNames.h"

#include "files/AppFolder.h"

namespace graphics {
namespace {

constexpr std::string_view kSpriteSet = "default";

std::string DataFolder(std::string_view appFolder) {
    std::string path(appFolder);
    path += "fdata";
    path += files::kPathSeparator;
    return path;
}

}  // namespace

std::string SheetPath(std::string_view appFolder, std::string_view sheetName) {
    std::string path = DataFolder(appFolder);
    path.append(kSpriteSet).append("_").append(sheetName).append(".bmp");
    return path;
}

std::string PunchSoundPath(std::string_view appFolder) {
    // Built from the folder without its trailing separator, as the sound
    // always was: a root folder still yields a single separator.
    std::string_view folder = appFolder;
    if (!folder.empty() && folder.back() == files::kPathSeparator) {
        folder.remove_suffix(1);
    }
    std::string path(folder);
    path += files::kPathSeparator;
    path.append("fdata").append(1, files::kPathSeparator);
    path.append(kSpriteSet).append("_p.wav");
    return path;
}

}  // namespace graphics
