#include <gtest/gtest.h>

#include "graphics/SheetNames.h"

namespace {

TEST(SheetNames, SheetsLieInTheDataFolderBesideTheProgram) {
    EXPECT_EQ(graphics::SheetPath("/opt/fendo/", "m"), "/opt/fendo/fdata/default_m.bmp");
    EXPECT_EQ(graphics::SheetPath("/opt/fendo/", "c"), "/opt/fendo/fdata/default_c.bmp");
}

TEST(SheetNames, ARootFolderStillGivesOneSeparator) {
    EXPECT_EQ(graphics::SheetPath("/", "m"), "/fdata/default_m.bmp");
    EXPECT_EQ(graphics::PunchSoundPath("/"), "/fdata/default_p.wav");
}

TEST(SheetNames, PunchSoundSitsBesideTheSheets) {
    EXPECT_EQ(graphics::PunchSoundPath("/opt/fendo/"), "/opt/fendo/fdata/default_p.wav");
}

}  // namespace
