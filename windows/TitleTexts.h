#pragma once

#include <cstdint>
#include <string>

// The texts of the title window: best results, punch-key names and the two how-to texts.
namespace windows::title_texts {

// Shown in a punch-key box for a key that cannot punch.
inline constexpr const char* kNoName = "!!";

struct Records {
    std::string hiScore;
    std::string maxKnockOut;
    std::string maxHits;
    std::string hitsPerSecond;
};

Records ForRecords(int32_t hiScore, int32_t maxKnockOut, int32_t maxHits);

// The name shown for a Windows virtual-key code, or kNoName.
std::string KeyName(int16_t keyCode);

// How a Fendor is picked in the main scene in the given input mode.
std::string HowToSelectText(int32_t mode);

// How a Fendor is beaten in the given input mode, naming the two punch keys.
std::string HowToPunishText(int32_t mode, int16_t punishKeyL, int16_t punishKeyR);

}  // namespace windows::title_texts
