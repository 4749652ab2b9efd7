#include <gtest/gtest.h>

#include "graphics/SheetNames.h"

namespace {

// A root folder still gives one separator.
TEST(SheetNames, SheetsAndThePunchSoundLieInTheDataFolderBesideTheProgram) {
    EXPECT_EQ(graphics::SheetPath("/opt/fendo/", "m"), "/opt/fendo/fdata/default_m.bmp");
    EXPECT_EQ(graphics::SheetPath("/opt/fendo/", "c"), "/opt/fendo/fdata/default_c.bmp");
    EXPECT_EQ(graphics::PunchSoundPath("/opt/fendo/"), "/opt/fendo/fdata/default_p.wav");
    EXPECT_EQ(graphics::SheetPath("/", "m"), "/fdata/default_m.bmp");
    EXPECT_EQ(graphics::PunchSoundPath("/"), "/fdata/default_p.wav");
}

}  // namespace
