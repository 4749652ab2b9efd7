#pragma once

#include <optional>
#include <string>

namespace files {

inline constexpr char kSettingsFileName[] = "fendo.ini";

// The folders outside the program's own that may hold the settings file.
struct UserFolders {
    std::string dataHome;  // $XDG_DATA_HOME; ignored unless absolute
    std::string home;      // $HOME, or the account's home folder
};

UserFolders UserFoldersFromEnvironment();

// The full path of the settings file, decided without writing anything but
// the data folder below. A copy of the game in a folder that the player owns
// and may write keeps it beside the program (appFolder ends in a separator),
// as does a file there that the player owns and may write. A game installed
// under a system prefix, or in a folder that is someone else's or open to
// others' writes, keeps it in the user's data folder for the game instead:
// $XDG_DATA_HOME/fendo, else ~/.local/share/fendo, made private if needed and
// started from the file beside the program on first use. A data folder that
// is not the player's alone, or cannot be made or written, is passed over
// (one that only a full disk keeps from being made is not). With no place
// left the result is nullopt, and one line on stderr says why: the results
// then last this session only.
std::optional<std::string> SettingsFilePath(const std::string& appFolder, const UserFolders& user);
std::optional<std::string> SettingsFilePath(const std::string& appFolder);

}  // namespace files
