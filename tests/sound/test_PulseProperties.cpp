#include "sound/PulseProperties.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// libpulse keeps a key's last value in each list, so the player's come last.
TEST(PulseProperties, OursComeFirstAndThePlayersWin) {
    const std::string ours =
        "application.icon_name='io.github.fendo.Fendo' application.id='io.github.fendo.Fendo' "
        "media.role='game'";
    const std::string name = "application.name='Fendo'";
    struct Row {
        const char* playersAdded;
        const char* playersReplaced;
        std::string added;
        std::string replaced;
    };
    for (const Row& row :
         {Row{"", "", ours, name}, Row{"media.role=music", "", ours + " media.role=music", name},
          Row{"", "application.name=\"Punch Club\" x=1", ours,
              name + " application.name=\"Punch Club\" x=1"}}) {
        const sound::PulseProperties properties = sound::WithOurNames(
            row.playersAdded, row.playersReplaced, "Fendo", "io.github.fendo.Fendo");
        EXPECT_EQ(properties.added, row.added);
        EXPECT_EQ(properties.replaced, row.replaced);
    }
}

}  // namespace
