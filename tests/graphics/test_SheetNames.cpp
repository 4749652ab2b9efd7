#include <gtest/gtest.h>

#include "graphics/SheetNames.h"

namespace {

TEST(SheetNames, SheetsLieInTheDataFolderBesideTheProgram) {
    EXPECT_EQ(SheetNames::SheetPath("/opt/fendo/", "m"), "/opt/fendo/fdata/default_m.bmp");
    EXPECT_EQ(SheetNames::SheetPath("/opt/fendo/", "c"), "/opt/fendo/fdata/default_c.bmp");
}

TEST(SheetNames, ARootFolderStillGivesOneSeparator) {
    EXPECT_EQ(SheetNames::SheetPath("/", "m"), "/fdata/default_m.bmp");
    EXPECT_EQ(SheetNames::PunchSoundPath("/"), "/fdata/default_p.wav");
}

TEST(SheetNames, PunchSoundSitsBesideTheSheets) {
    EXPECT_EQ(SheetNames::PunchSoundPath("/opt/fendo/"), "/opt/fendo/fdata/default_p.wav");
}

}  // namespace
