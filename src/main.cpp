#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "app/AccessibleNames.h"
#include "app/Application.h"
#include "app/FolderDiscovery.h"
#include "app/TitleRoom.h"
#include "app/Translations.h"
#include "frame/MainWindowPlacement.h"
#include "frame/ProgramStartup.h"

namespace {

constexpr const char* kUsage =
    "Usage: ht57 [--help | --version | FILE.dat]\n"
    "The HT-57 Programming Software: reads the whole settings memory of an HT-57\n"
    "handheld FM radio over a serial port, edits it in the \"Radio Info\", \"Option\n"
    "Features\", \"Radio Frequency\", \"Channel Infomation\" and \"DTMF Setting\" views,\n"
    "writes it back, keeps it in .dat data files and prints the channel list.\n"
    "\n"
    "The serial port and baud rate are kept in [Setup] of Program.ini.\n"
    "\n"
    "  FILE.dat     open this data file at start\n"
    "  --help       show this text\n"
    "  --version    show the version\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any window system is needed, so they work without a display.
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::puts("ht57 " HT57_VERSION);
        return 0;
    }
    QApplication qt(argc, argv);
    // Qt has taken its own options out of argv by now.
    if (argc > 2 || (argc == 2 && std::string_view(argv[1]).starts_with('-'))) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    ht57::TranslateModelTexts();
    // Docks and task bars match the window to the installed desktop entry
    // and its icon through this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ht57.Programmer"));
    // Screen readers hear every control by the label beside it.
    ht57::InstallAccessibleNames(qt);
    ht57::KeepRoomForTitles(qt);
    const ht57::ProgramFolders folders = ht57::FindProgramFolders();
    // Without its own Program.ini an installed program still starts, on the
    // defaults of a missing file.
    (void)ht57::SeedProgramFolders(folders);
    ht57::Application app(folders);
    // Every text is looked up as it is made, so the translators come before
    // the first window or message.
    const QString language =
        ht57::ChooseLanguage(QString::fromStdString(app.Ini().GetString("Setup", "Language", "")),
                             QLocale::system().uiLanguages());
    (void)ht57::InstallTranslations(qt, ht57::TranslationFolder(folders.resourceFolder), language);
    std::unique_ptr<ht57::CMainFrame> frame = ht57::StartProgram(app);
    if (!frame) {
        return 1;
    }
    // The file the desktop or the command line named; one that is missing or
    // no data file is told in a message and the program goes on without it.
    if (argc == 2) {
        std::error_code ec;
        const std::filesystem::path named(argv[1]);
        const std::filesystem::path file = std::filesystem::absolute(named, ec);
        (void)frame->Files().OpenFile(ec ? named : file);
    }
    const int code = QApplication::exec();
    // The next start opens the window where this one left it.
    (void)ht57::WriteWindowPlacement(
        app.Ini(), frame->PlacementAtClose().value_or(ht57::CurrentPlacement(*frame)));
    frame.reset();
    // Only the port name goes back to Program.ini; a failure to write it
    // has nobody left to tell.
    (void)app.ExitInstance();
    return code;
}
