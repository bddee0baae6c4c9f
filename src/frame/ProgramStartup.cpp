#include "frame/ProgramStartup.h"

#include <QIcon>

#include "app/PathText.h"
#include "frame/CommandIds.h"
#include "frame/MainWindowPlacement.h"
#include "frame/ViewKindTable.h"
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
    ShowMainWindowPlaced(*frame, app.Ini());

    if (QAction* action = frame->Action(command::kRadioFrequency)) {
        action->setText(ViewText(QT_TRANSLATE_NOOP("ViewKind", "Radio Frequency")));
    }
    if (QAction* action = frame->Action(command::kOptionFeatures)) {
        action->setText(ViewText(QT_TRANSLATE_NOOP("ViewKind", "Option Features")));
    }
    frame->RemoveCommand(command::kEmbedInfo);
    return frame;
}

}  // namespace ht57
