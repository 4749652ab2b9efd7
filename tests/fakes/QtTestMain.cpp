#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

// The tests of the Qt side and of the windows need one application object for all of them.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A theme with white text on black: no test may take black on white for granted.
    QApplication::setPalette(QPalette(QColor(40, 40, 40)));
    app.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
