#include <QApplication>

#include "app/Application.h"
#include "app/FolderDiscovery.h"
#include "frame/ProgramStartup.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    const ht57::ProgramFolders folders = ht57::FindProgramFolders();
    // Without its own Program.ini an installed program still starts, on the
    // defaults of a missing file.
    (void)ht57::SeedProgramFolders(folders);
    ht57::Application app(folders);
    std::unique_ptr<ht57::CMainFrame> frame = ht57::StartProgram(app);
    if (!frame) {
        return 1;
    }
    const int code = QApplication::exec();
    frame.reset();
    // Only the port name goes back to Program.ini; a failure to write it
    // has nobody left to tell.
    (void)app.ExitInstance();
    return code;
}
