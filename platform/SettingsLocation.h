#pragma once

#include <string>

namespace platform {

inline constexpr char kSettingsFileName[] = "fendo.ini";

// The folders outside the program's own that may hold the settings file.
struct UserFolders {
    std::string dataHome;  // $XDG_DATA_HOME; ignored unless absolute
    std::string home;      // $HOME, or the account's home folder
};

UserFolders UserFoldersFromEnvironment();

// The full path of the settings file. A copy of the game whose folder takes
// writes keeps it beside the program (appFolder ends in a separator). An
// installed game, whose folder is read-only, would lose every result there,
// so it keeps the file in the user's data folder for the game instead
// ($XDG_DATA_HOME/fendo, else ~/.local/share/fendo), created private if
// needed and started from the file beside the program on first use. When
// that folder cannot be made either, the file beside the program is still
// read.
std::string SettingsFilePath(const std::string& appFolder, const UserFolders& user);
std::string SettingsFilePath(const std::string& appFolder);

}  // namespace platform
