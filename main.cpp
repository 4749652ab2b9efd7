#include <QApplication>

#include "core/Game.h"
#include "platform/StdRandom.h"
#include "platform/SteadyClock.h"
#include "platform/AppFolder.h"
#include "platform/SettingsLocation.h"
#include "platform/qt/FatalError.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtSound.h"
#include "windows/WindowFonts.h"
#include "windows/GameWindow.h"

int main(int argc, char* argv[]) {
    // Whole-number screen scales keep the pixel art crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    // The game drives its own loop and decides itself when it is over.
    app.setQuitOnLastWindowClosed(false);
    platform::InstallQtOverflowHandler();
    WindowFonts::RegisterSubstitutes();

    platform::SteadyClock clock;
    platform::StdRandom random;
    platform::QtEventPump pump(clock);
    platform::QtMessageBox messages([] { return QApplication::activeWindow(); });
    platform::QtSound sound;
    const std::string appFolder = platform::AppFolder();

    game::Game game({clock, random, pump, messages, sound, appFolder,
                     platform::SettingsFilePath(appFolder)});
    game.LoadSettings(game.SettingsPath());

    GameWindow window(game, pump);
    window.Main();
    return 0;
}
