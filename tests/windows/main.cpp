#include <gtest/gtest.h>

#include <QApplication>

#include "windows/WindowFonts.h"

// The window tests need one application object for all of them.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    WindowFonts::RegisterSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
