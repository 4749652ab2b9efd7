#include <QApplication>

#include "core/Game.h"
#include "platform/AppFolder.h"
#include "platform/SettingsLocation.h"
#include "platform/StdRandom.h"
#include "platform/SteadyClock.h"
#include "platform/qt/FatalError.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtSound.h"
#include "windows/Program.h"
#include "windows/WindowFonts.h"

int main(int argc, char* argv[]) {
    // Whole-number screen scales keep the pixel art crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Wayland desktops match a window to its launcher by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(FENDO_APP_ID));
    QApplication app(argc, argv);
    // Between the title window and the game window no window is open: the
    // program ends only when the title window closes for good.
    app.setQuitOnLastWindowClosed(false);
    platform::InstallQtOverflowHandler();
    WindowFonts::RegisterSubstitutes();

    platform::SteadyClock clock;
    platform::StdRandom random;
    platform::QtEventPump pump(clock);
    platform::QtMessageBox messages([] { return QApplication::activeWindow(); });
    WindowFonts::CheckReadable(WindowFonts::UiCharacters(), messages);
    platform::QtSound sound;
    const std::string appFolder = platform::AppFolder();

    game::Game game(
        {clock, random, pump, messages, sound, appFolder, platform::SettingsFilePath(appFolder)});
    Program program(game, pump);
    program.onQuit = [] { QCoreApplication::quit(); };
    program.Start();
    return QApplication::exec();
}
