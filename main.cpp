#include <QApplication>
#include <QSessionManager>
#include <QTimer>

#include "arithmetic/CheckedMath.h"
#include "core/Game.h"
#include "files/AppFolder.h"
#include "files/SettingsLocation.h"
#include "platform/SaveBeforeExit.h"
#include "platform/SoundModule.h"
#include "platform/StdRandom.h"
#include "platform/SteadyClock.h"
#include "platform/qt/ExitSignals.h"
#include "platform/qt/FatalError.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtMessageBox.h"
#include "windows/FontConfigWarmUp.h"
#include "windows/Program.h"
#include "windows/WindowFonts.h"

int main(int argc, char* argv[]) {
    // Whole-number screen scales keep the pixel art crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Wayland desktops match a window to its launcher by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(FENDO_APP_ID));
    windows::FontConfigWarmUp fontConfigWarmUp;
    QApplication app(argc, argv);
    // Between the title window and the game window no window is open: the
    // program ends only when the title window closes for good.
    app.setQuitOnLastWindowClosed(false);
    arithmetic::SetOverflowHandler(&platform::ShowOverflowAndAbort);
    fontConfigWarmUp.Wait();
    windows::window_fonts::RegisterSubstitutes();

    platform::SteadyClock clock;
    platform::StdRandom random;
    platform::QtEventPump pump(clock);
    platform::QtMessageBox messages([] { return QApplication::activeWindow(); });
    // Queued, so it runs once the title window is up: the faces it loads are the ones that
    // window's first paint needs anyway, and a box it shows comes over the texts it is about.
    QTimer::singleShot(0, &app, [&messages] {
        windows::window_fonts::CheckReadable(windows::window_fonts::UiCharacters(), messages);
    });
    const std::string appFolder = files::AppFolder();
    // Loaded when the first game starts: the title window never needs it.
    platform::SoundModule sound(platform::SoundModulePaths(appFolder));

    // With no place for the settings file the results last this session only.
    game::Game game(
        {clock, random, pump, messages, sound, appFolder, files::SettingsFilePath(appFolder)});
    // A session can end the program without closing a window: a signal, a
    // session manager's quit, a lost display. The results are saved first.
    platform::SaveBeforeExit saveBeforeExit([&game] { game.SaveSettings(game.SettingsPath()); });
    platform::ExitSignals exitSignals;
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [](QSessionManager&) { platform::SaveBeforeExit::Now(); });
    windows::Program program(game, pump);
    program.onQuit = [] { QCoreApplication::quit(); };
    program.Start();
    return QApplication::exec();
}
