#include "graphics/SheetNames.h"

#include "files/AppFolder.h"

namespace SheetNames {
namespace {

constexpr std::string_view kSpriteSet = "default";

std::string DataFolder(std::string_view appFolder) {
    std::string path(appFolder);
    path += "fdata";
    path += platform::kPathSeparator;
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
    if (!folder.empty() && folder.back() == platform::kPathSeparator) {
        folder.remove_suffix(1);
    }
    std::string path(folder);
    path += platform::kPathSeparator;
    path.append("fdata").append(1, platform::kPathSeparator);
    path.append(kSpriteSet).append("_p.wav");
    return path;
}

}  // namespace SheetNames
