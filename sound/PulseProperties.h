#pragma once

#include <string>
#include <string_view>

namespace sound {

// What libpulse reads from the environment as it connects to the sound
// server: PULSE_PROP adds properties the connection lacks, PULSE_PROP_OVERRIDE
// replaces them. Each is a list of key=value, values quoted or not, where a
// key's last value counts. The server hands them on to every stream.
struct PulseProperties {
    std::string added;     // PULSE_PROP
    std::string replaced;  // PULSE_PROP_OVERRIDE
};

// Our stream's names as mixers show them: the game's name and icon (the
// desktop entry's, under `appId`), and the role of a game. The player's own
// lists follow ours, so their value of a key wins over ours. The name goes
// among the replacements, since Qt names its connection itself; a player who
// wants another name sets it there too, as for any Qt program.
PulseProperties WithOurNames(std::string_view playersAdded, std::string_view playersReplaced,
                             std::string_view appName, std::string_view appId);

// Puts WithOurNames into this process's environment; it must run before Qt's
// sound engine first connects.
void NameOurStreams(std::string_view appName, std::string_view appId);

}  // namespace sound
