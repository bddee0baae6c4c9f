#include "frame/ProgramStartup.h"

#include <QIcon>

#include "app/PathText.h"
#include "frame/CommandIds.h"
#include "link/ui/ProgramMessage.h"

namespace ht57 {

std::unique_ptr<CMainFrame> StartProgram(Application& app) {
    if (Result started = app.InitInstance(); !started) {
        ShowProgramMessage(nullptr, QString::fromStdString(started.message),
                           QString::fromStdString(started.detail));
        return nullptr;
    }
    return CreateMainWindow(app);
}

std::unique_ptr<CMainFrame> CreateMainWindow(Application& app) {
    ViewRegistry views;
    RegisterStandardViews(views);
    CommandRegistry commands;
    RegisterStandardCommands(commands);
    auto frame = std::make_unique<CMainFrame>(app, std::move(views), std::move(commands));

    const QIcon icon(PathToQString(app.ResourceFolder() / "logo.ico"));
    if (!icon.availableSizes().isEmpty()) {
        frame->setWindowIcon(icon);
    }
    frame->FitToWorkArea();
    frame->show();
    // Now that the window manager has framed the window, the frame itself
    // must fit the work area as well.
    frame->FitToWorkArea();

    if (QAction* action = frame->Action(command::kRadioFrequency)) {
        action->setText(QStringLiteral("Radio Frequency"));
    }
    if (QAction* action = frame->Action(command::kOptionFeatures)) {
        action->setText(QStringLiteral("Option Features"));
    }
    frame->RemoveCommand(command::kEmbedInfo);
    return frame;
}

}  // namespace ht57
