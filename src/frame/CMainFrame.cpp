#include "frame/CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "app/CAboutDlg.h"
#include "app/MenuMnemonics.h"
#include "app/PathText.h"
#include "app/Translations.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/CommandIds.h"
#include "frame/MainWindowPlacement.h"
#include "frame/NavigationTree.h"
#include "frame/ProgrammingLogSetting.h"
#include "frame/ReadBackup.h"
#include "frame/ReadPicture.h"
#include "frame/ViewKindTable.h"
#include "link/ui/CPortDlg.h"
#include "link/ui/CTransferDlg.h"
#include "link/ui/ProgramMessage.h"
#include "model/RadioInfo.h"

namespace ht57 {
namespace {

constexpr int kTreeBarWidth = 200;
constexpr std::array<int, 4> kPaneWidths{200, 250, 200, 200};

// A status pane takes its own width, or its text's where that is wider, so
// at any scaling its text is whole where there is room. A pane that may give
// way keeps no minimum: on a narrow window it is cut (its tool tip holds the
// text) rather than making the window wider than the screen.
class StatusPane : public QLabel {
public:
    StatusPane(int width, bool givesWay, QWidget* parent)
        : QLabel(parent), width_(width), givesWay_(givesWay) {}
    int RoomyWidth() const { return std::max(width_, QLabel::sizeHint().width()); }
    // A tight pane asks for no more than its text, leaving the room it would
    // have taken to the pane that gives way.
    void SetTight(bool tight) {
        if (!givesWay_ && tight != tight_) {
            tight_ = tight;
            updateGeometry();
        }
    }
    QSize sizeHint() const override {
        const QSize text = QLabel::sizeHint();
        return {tight_ ? text.width() : RoomyWidth(), text.height()};
    }
    QSize minimumSizeHint() const override {
        const QSize text = QLabel::minimumSizeHint();
        return {givesWay_ ? 0 : text.width(), text.height()};
    }

private:
    int width_;
    bool givesWay_;
    bool tight_ = false;
};

// A layout takes the same amount off every pane when room is short, which
// would cut the pane that gives way while the others still show blank room:
// on a bar narrower than every pane's own width, the others shrink to their
// texts first.
class PaneFitter : public QObject {
public:
    PaneFitter(QStatusBar* bar, std::vector<StatusPane*> panes)
        : QObject(bar), bar_(bar), panes_(std::move(panes)) {
        bar->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) {
            constexpr int kRoomAroundPane = 8;  // the layout's spacing and the panes' frames
            int wanted = 0;
            for (const StatusPane* pane : panes_) {
                wanted += pane->RoomyWidth() + kRoomAroundPane;
            }
            for (StatusPane* pane : panes_) {
                pane->SetTight(wanted > bar_->width());
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QStatusBar* bar_;
    std::vector<StatusPane*> panes_;
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CMainFrame::CMainFrame(Application& app, ViewRegistry views, CommandRegistry commands,
                       QWidget* parent)
    : QMainWindow(parent),
      app_(app),
      views_(std::move(views)),
      commands_(std::move(commands)),
      history_(app.Data()),
      files_(app, *this) {
    SetCaption(app_.Config().mainCaption);
    connect(&history_, &EditHistory::ModifiedChanged, this, &QWidget::setWindowModified);
    connect(&history_, &EditHistory::DataRestored, this, &CMainFrame::OnDataRestored);
    connect(&history_, &EditHistory::FileRestored, this, [this] { files_.ShowCaption(); });

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    mdi_ = new CMdiClient(this);
    mdi_->SetBitmap(app_.ResourceFolder() / "Background.bmp");
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    CreateTreeBar();

    // The default data and a tree that matches it. The limits come from the
    // loaded image's band before normalisation judges its channels.
    ClearTree();
    files_.LoadDefaultData();
    Data().RecomputeLimits();
    Data().Normalise();
    BuildTree();

    panes_[kModelPane]->setText(Text(app_.Config().statusModelText));
    panes_[kCopyrightPane]->setText(Text(app_.Config().copyrightPane));
    panes_[kCopyrightPane]->setToolTip(panes_[kCopyrightPane]->text());
    SetPortPane();
    RecomputeFrequencyLimits();
    // The data just loaded is where the document starts.
    history_.Reset();
}

CMainFrame::~CMainFrame() {
    // The view windows go before the data they store into could.
    closingAll_ = true;
    // Closed frames still waiting for their deferred deletion are no longer
    // in the window list, but they too must go while this is a CMainFrame.
    QList<QPointer<CMyChildFrame>> frames;
    for (CMyChildFrame* frame : mdi_->findChildren<CMyChildFrame*>()) {
        frames.append(frame);
    }
    for (const QPointer<CMyChildFrame>& frame : frames) {
        delete frame.data();
    }
    // The bars report hiding while the window is taken down, after the
    // members their handlers use are gone.
    for (QObject* sender : std::initializer_list<QObject*>{treeBar_, toolBar_, mdi_, tree_}) {
        sender->disconnect();
    }
}

QAction* CMainFrame::AddAction(int commandId, const QString& text) {
    auto* action = new QAction(text, this);
    actions_[commandId] = action;
    return action;
}

void CMainFrame::CreateActions() {
    const auto bind = [this](int id, const QString& text, auto handler) {
        QAction* action = AddAction(id, text);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    bind(command::kNew, tr("&New\tCtrl+N"), [this] {
        files_.New();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    bind(command::kOpen, tr("&Open...\tCtrl+O"), [this] {
        files_.Open();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    bind(command::kSave, tr("&Save\tCtrl+S"), [this] {
        files_.Save();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    bind(command::kSaveAs, tr("Save &As..."), [this] { files_.SaveAs(); });
    bind(command::kPrint, tr("&Print...\tCtrl+P"), [this] {
        RunRegistered(command::kPrint);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    bind(command::kPrintPreview, tr("Print Pre&view"),
         [this] { RunRegistered(command::kPrintPreview); });
    bind(command::kPrintSetup, tr("P&rint Setup..."),
         [this] { RunRegistered(command::kPrintSetup); });
    bind(command::kExit, tr("E&xit"), [this] { close(); });
    bind(command::kImportChannels, tr("Import Channels..."),
         [this] { RunRegistered(command::kImportChannels); });
    bind(command::kExportChannels, tr("Export Channels..."),
         [this] { RunRegistered(command::kExportChannels); });
    bind(command::kOpenBackupFolder, tr("Open Backup Folder"),
         [this] { RunRegistered(command::kOpenBackupFolder); });

    // Start-up later renames two of these and removes "Embed Info".
    for (const ViewKindInfo& info : kViewKindTable) {
        bind(info.commandId, ViewText(info.menuText), [this, kind = info.kind] { OpenView(kind); });
    }
    AddAction(command::kEmbedInfo, tr("Embed Info"));

    // A pending edit commits first, so Undo takes back the latest one.
    QUndoStack& stack = history_.Stack();
    QAction* undo = bind(command::kUndo, tr("&Undo"), [this] {
        CommitViews();
        history_.Stack().undo();
    });
    QAction* redo = bind(command::kRedo, tr("&Redo"), [this] {
        CommitViews();
        history_.Stack().redo();
    });
    undo->setShortcut(QKeySequence::Undo);
    redo->setShortcut(QKeySequence::Redo);
    undo->setToolTip(tr("Undo"));
    redo->setToolTip(tr("Redo"));
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& step) {
        undo->setText(step.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(step));
        undo->setToolTip(undo->text().remove(QLatin1Char('&')));
    });
    connect(&stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& step) {
        redo->setText(step.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(step));
        redo->setToolTip(redo->text().remove(QLatin1Char('&')));
    });

    bind(command::kRead, tr("Read"), &CMainFrame::OnRead)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    bind(command::kWrite, tr("Write"), &CMainFrame::OnWrite)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    bind(command::kHighPower, tr("High Power"), [this] { RunRegistered(command::kHighPower); });
    bind(command::kLowPower, tr("Low Power"), [this] { RunRegistered(command::kLowPower); });
    bind(command::kPort, tr("Port"), &CMainFrame::OnPort);
    QAction* log = bind(command::kProgrammingLog, tr("Programming log"), [this](bool on) {
        ChangeProgrammingLog(*this, *Action(command::kProgrammingLog), on);
    });
    log->setCheckable(true);
    ShowProgrammingLog(app_.Ini(), *log);

    QAction* toolbar =
        bind(command::kToolbar, tr("&Toolbar"), [this](bool on) { toolBar_->setVisible(on); });
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    QAction* statusBarAction = bind(command::kStatusBar, tr("&Status Bar"),
                                    [this](bool on) { statusBar()->setVisible(on); });
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    QAction* treeBar = bind(command::kTreeBar, tr("&TreeBar"), &CMainFrame::OnToggleTreeBar);
    treeBar->setCheckable(true);
    treeBar->setChecked(true);

    bind(command::kCascade, tr("Cascade"), [this] { mdi_->Cascade(); });
    bind(command::kTile, tr("Tile"), [this] { mdi_->Tile(); });
    bind(command::kArrange, tr("Arrange"), [this] { mdi_->ArrangeIcons(); });
    bind(command::kAbout, tr("About ..."), &CMainFrame::OnAbout);

    QAction* next =
        bind(command::kNextPane, tr("Next Window"), [this] { mdi_->activateNextSubWindow(); });
    next->setShortcut(QKeySequence(Qt::Key_F6));
    QAction* previous = bind(command::kPreviousPane, tr("Previous Window"),
                             [this] { mdi_->activatePreviousSubWindow(); });
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    // Heard while the window has no view open, too.
    addAction(next);
    addAction(previous);

    const QPixmap strip = ReadPicture(QStringLiteral(":/frame/toolbar.png"), "png");
    // Our own strip rather than the desktop theme's pictures: looking those up
    // walks the icon theme folders and costs more than building the window.
    const std::array<int, 8> buttons{command::kNew,  command::kOpen,  command::kSave,
                                     command::kRead, command::kWrite, command::kAbout,
                                     command::kUndo, command::kRedo};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        actions_[buttons[i]]->setIcon(QIcon(strip.copy(static_cast<int>(i) * 16, 0, 16, 16)));
    }
    // Tool tips are the short names the toolbar shows.
    actions_[command::kNew]->setToolTip(tr("New"));
    actions_[command::kOpen]->setToolTip(tr("Open"));
    actions_[command::kSave]->setToolTip(tr("Save"));
    actions_[command::kRead]->setToolTip(tr("Read", "tool tip"));
    actions_[command::kWrite]->setToolTip(tr("Write", "tool tip"));
    actions_[command::kAbout]->setToolTip(tr("About"));
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    const auto addMenu = [this, bar](const QString& title, const std::vector<int>& ids) {
        QMenu* menu = bar->addMenu(title);
        // Keyboard users reach every entry with Alt, the menu's letter, the entry's letter.
        connect(menu, &QMenu::aboutToShow, menu, [menu] { AssignMnemonics(*menu); });
        for (int id : ids) {
            if (id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(actions_.at(id));
            }
        }
        return menu;
    };
    fileMenu_ =
        addMenu(tr("&File"),
                {command::kNew, command::kOpen, command::kSave, command::kSaveAs, 0,
                 command::kImportChannels, command::kExportChannels, command::kOpenBackupFolder, 0,
                 command::kPrint, command::kPrintPreview, command::kPrintSetup, 0, command::kExit});
    recentSeparator_ = fileMenu_->insertSeparator(actions_.at(command::kExit));
    connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFiles);
    UpdateRecentFiles();
    std::vector<int> editIds{command::kUndo, command::kRedo, 0};
    for (const ViewKindInfo& info : kViewKindTable) {
        editIds.push_back(info.commandId);
    }
    editIds.push_back(command::kEmbedInfo);
    editMenu_ = addMenu(tr("&Edit"), editIds);
    addMenu(tr("&Program"),
            {command::kRead, command::kWrite, 0, command::kHighPower, command::kLowPower});
    CreateLanguageMenu(addMenu(tr("&Setting"), {command::kPort, command::kProgrammingLog}));
    addMenu(tr("&View"), {command::kToolbar, command::kStatusBar, command::kTreeBar});
    addMenu(tr("&Window"), {command::kCascade, command::kTile, command::kArrange, 0,
                            command::kNextPane, command::kPreviousPane});
    addMenu(tr("&Help"), {command::kAbout});
}

void CMainFrame::UpdateRecentFiles() {
    for (QAction* action : recentActions_) {
        delete action;
    }
    recentActions_.clear();
    const QString home = QDir::homePath();
    int number = 0;
    for (const std::filesystem::path& file : files_.RecentFiles()) {
        QString shown = QDir::toNativeSeparators(PathToQString(file));
        if (!home.isEmpty() && shown.startsWith(home + QDir::separator())) {
            shown = QStringLiteral("~") + shown.mid(home.size());
        }
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(++number).arg(shown), this);
        action->setObjectName(QStringLiteral("recentFile%1").arg(number));
        connect(action, &QAction::triggered, this, [this, file] { files_.OpenRecent(file); });
        fileMenu_->insertAction(recentSeparator_, action);
        recentActions_.push_back(action);
    }
    // Without files the list's separator would stand beside the one above it.
    recentSeparator_->setVisible(!recentActions_.empty());
}

void CMainFrame::CreateLanguageMenu(QMenu* setting) {
    QMenu* menu = setting->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const std::string current = app_.Ini().GetString("Setup", kLanguageKey, "");
    // Each language is named in its own words, whatever the program shows.
    const std::array<std::pair<QString, const char*>, 3> choices{{
        {tr("System &default"), kLanguageSystem},
        {QStringLiteral("&English"), kLanguageEnglish},
        {QStringLiteral("\u7B80\u4F53\u4E2D\u6587(&C)"), kLanguageChinese},
    }};
    for (const auto& [text, code] : choices) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setData(QString::fromLatin1(code));
        action->setChecked(current == code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { OnLanguage(code); });
    }
    if (group->checkedAction() == nullptr) {
        group->actions().front()->setChecked(true);
    }
}

void CMainFrame::OnLanguage(const char* code) {
    if (const Result written = app_.Ini().Write("Setup", kLanguageKey, code); !written) {
        ShowProgramMessage(this, QString::fromStdString(written.message),
                           QString::fromStdString(written.detail));
        return;
    }
    QMessageBox::information(this, ProgramTitle(),
                             tr("The language changes when the program starts the next time."));
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(tr("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    toolBar_->addAction(actions_[command::kNew]);
    toolBar_->addAction(actions_[command::kOpen]);
    toolBar_->addAction(actions_[command::kSave]);
    toolBar_->addSeparator();
    toolBar_->addAction(actions_[command::kUndo]);
    toolBar_->addAction(actions_[command::kRedo]);
    toolBar_->addSeparator();
    toolBar_->addAction(actions_[command::kRead]);
    toolBar_->addAction(actions_[command::kWrite]);
    toolBar_->addSeparator();
    toolBar_->addAction(actions_[command::kAbout]);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &QToolBar::visibilityChanged, actions_[command::kToolbar],
            &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    std::vector<StatusPane*> fitted;
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        // The copyright text is the long one; the model, port and band
        // stay whole.
        auto* pane =
            new StatusPane(kPaneWidths[i], i == static_cast<std::size_t>(kCopyrightPane), bar);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setTextFormat(Qt::PlainText);
        panes_[i] = pane;
        fitted.push_back(pane);
        bar->addWidget(pane);
    }
    new PaneFitter(bar, std::move(fitted));
    panes_[kPortPane]->setAlignment(Qt::AlignCenter);
}

void CMainFrame::CreateTreeBar() {
    treeBar_ = new QDockWidget(tr("Tree Bar"), this);
    treeBar_->setObjectName(QStringLiteral("TreeBar"));
    treeBar_->setAllowedAreas(Qt::AllDockWidgetAreas);
    tree_ = new NavigationTree(treeBar_);
    treeBar_->setWidget(tree_);
    addDockWidget(Qt::LeftDockWidgetArea, treeBar_);
    resizeDocks({treeBar_}, {kTreeBarWidth}, Qt::Horizontal);
    connect(tree_, &NavigationTree::ItemCodeClicked, this, &CMainFrame::OnTreeItemClicked);
    connect(treeBar_, &QDockWidget::visibilityChanged, this,
            [this] { actions_[command::kTreeBar]->setChecked(!treeBar_->isHidden()); });
}

QAction* CMainFrame::Action(int commandId) const {
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::RemoveCommand(int commandId) {
    const auto found = actions_.find(commandId);
    if (found == actions_.end()) {
        return;
    }
    QAction* action = found->second;
    actions_.erase(found);
    delete action;  // leaves every menu and toolbar it was in
}

QString CMainFrame::PaneText(Pane pane) const {
    return panes_[pane]->text();
}

// --- Views -----------------------------------------------------------------

CMyChildFrame* CMainFrame::ViewSlot(ViewKind kind) const {
    return slots_[static_cast<std::size_t>(kind)].data();
}

bool CMainFrame::IsViewOpen(ViewKind kind) const {
    return ViewSlot(kind) != nullptr;
}

void CMainFrame::OpenView(ViewKind kind) {
    if (!views_.Has(kind)) {
        return;
    }
    CMyChildFrame* existing = ViewSlot(kind);
    if (existing != nullptr && mdi_->activeSubWindow() == existing) {
        return;
    }
    if (existing != nullptr) {
        mdi_->setActiveSubWindow(existing);
        existing->setFocus(Qt::OtherFocusReason);
        return;
    }
    std::unique_ptr<CBaseFormView> view = views_.Create(kind, Data(), *this);
    if (!view) {
        return;
    }
    const ViewKindInfo& info = InfoFor(kind);
    auto* child = new CMyChildFrame(std::move(view), ViewText(info.caption),
                                    app_.ResourceFolder() / "logo.ico");
    slots_[static_cast<std::size_t>(kind)] = child;
    connect(child, &CMyChildFrame::Closed, this, &CMainFrame::ForgetChild);
    connect(child, &CMyChildFrame::Destroying, this, &CMainFrame::ForgetChild);

    const bool keepMaximised = activeChild_ != nullptr && activeChild_->isMaximized();
    mdi_->addSubWindow(child);
    child->InitialUpdate();
    ListViewCommands(*child->View());
    child->move(0, 0);
    if (keepMaximised) {
        child->showMaximized();
    } else {
        child->showNormal();
        // Only a shown frame knows its title bar and border; fit it again,
        // within the client area so its close button stays reachable.
        child->FitInto(mdi_->viewport()->size());
    }
    mdi_->setActiveSubWindow(child);
}

void CMainFrame::ListViewCommands(const CBaseFormView& view) {
    const QList<QAction*> commands = view.EditMenuActions();
    const QList<QAction*> entries = editMenu_->actions();
    const auto separator = std::find_if(entries.begin(), entries.end(),
                                        [](const QAction* entry) { return entry->isSeparator(); });
    QAction* before =
        separator == entries.end() || separator + 1 == entries.end() ? nullptr : *(separator + 1);
    editMenu_->insertActions(before, commands);
}

void CMainFrame::ForgetChild(const CMyChildFrame* child) {
    for (auto& slot : slots_) {
        if (slot == child) {
            slot = nullptr;
        }
    }
    if (activeChild_ == child) {
        activeChild_ = nullptr;
    }
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* now = qobject_cast<CMyChildFrame*>(window);
    if (closingAll_ || now == activeChild_) {
        return;
    }
    // The view being left stores before the next one reads, so a field two
    // views show is current in both.
    if (activeChild_ != nullptr) {
        activeChild_->StoreViewQuietly();
    }
    activeChild_ = now;
    if (now != nullptr && !now->IsClosed()) {
        now->Refresh();
        // F6 and the Window commands switch views too; the tree shows which.
        for (ViewKind kind : kAllViewKinds) {
            if (ViewSlot(kind) == now) {
                tree_->SelectCode(InfoFor(kind).treeCode);
            }
        }
    }
}

void CMainFrame::RefreshView(ViewKind kind) {
    if (CMyChildFrame* child = ViewSlot(kind)) {
        child->Refresh();
    }
}

void CMainFrame::CommitViews() {
    // An edit still sitting in a focused editor (a shortcut does not take the
    // focus away) commits when the focus moves to its view.
    if (CMyChildFrame* active = qobject_cast<CMyChildFrame*>(mdi_->activeSubWindow())) {
        active->StoreView();
    }
    // Bottom to top, so the active window, which holds the latest edits,
    // stores last.
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (auto* child = qobject_cast<CMyChildFrame*>(window)) {
            child->StoreViewQuietly();
        }
    }
}

void CMainFrame::LoadViews() {
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (auto* child = qobject_cast<CMyChildFrame*>(window)) {
            child->Refresh();
        }
    }
}

void CMainFrame::CloseAllViews() {
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::StackingOrder);
    if (CMyChildFrame* active = qobject_cast<CMyChildFrame*>(mdi_->activeSubWindow())) {
        active->StoreView();
    }
    closingAll_ = true;
    for (QMdiSubWindow* window : windows) {
        delete window;  // each stores as it goes
    }
    closingAll_ = false;
    activeChild_ = nullptr;
}

// --- Tree and status bar ---------------------------------------------------

void CMainFrame::ClearTree() {
    tree_->Clear();
}

void CMainFrame::BuildTree() {
    tree_->Build(Text(app_.SetupModel(kTreeRootModel)));
}

void CMainFrame::OnTreeItemClicked(int code) {
    if (const ViewKindInfo* info = InfoForTreeCode(code)) {
        OpenView(info->kind);
    }
}

void CMainFrame::RecomputeFrequencyLimits() {
    Data().RecomputeLimits();
    ShowFrequencyLimits();
}

void CMainFrame::ShowFrequencyLimits() {
    panes_[kFreqPane]->setText(Text(FrequencyLimitsText(Data().limits)));
}

void CMainFrame::SetPortPane() {
    const QString port = Text(app_.Port().name);
    panes_[kPortPane]->setText(port);
    // A device path may be wider than its pane.
    panes_[kPortPane]->setToolTip(port);
}

void CMainFrame::SetCaption(const std::string& caption) {
    // Qt shows "*" in place of the marker while the document is modified.
    setWindowTitle(Text(caption) + QStringLiteral("[*]"));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!files_.AskSaveChanges()) {
        event->ignore();
        return;
    }
    placementAtClose_ = CurrentPlacement(*this);
    QMainWindow::closeEvent(event);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != history_.IsModified()) {
        setWindowModified(history_.IsModified());
    }
}

void CMainFrame::OnDataRestored() {
    // The limits came back with the image; the tree and views follow them.
    ShowFrequencyLimits();
    ClearTree();
    BuildTree();
    LoadViews();
}

// --- Commands --------------------------------------------------------------

void CMainFrame::RunRegistered(int commandId) {
    (void)commands_.Run(commandId, *this);
}

void CMainFrame::OnRead() {
    if (!files_.AskSaveChanges()) {
        return;
    }
    CommitViews();
    Data().Normalise();
    CloseAllViews();
    const DataSnapshot before = EditHistory::Take(Data());
    CTransferDlg dialog(Data(), app_.Port(), TransferKind::Read, this);
    dialog.exec();
    if (!dialog.Succeeded()) {
        // A failed read may have changed part of the image: that too can be
        // taken back.
        history_.Record(tr("Read from radio"), before);
        return;
    }
    KeepReadBackup(*this);
    ClearTree();
    RecomputeFrequencyLimits();
    Data().Normalise();
    BuildTree();
    LoadViews();
    // What was read is a new document in no file yet (the backup aside): Save
    // must ask for a name rather than overwrite the file that was open.
    history_.Record(tr("Read from radio"), before, files_.ReadDocument(app_.Port().name));
    files_.ShowCaption();
}

void CMainFrame::OnWrite() {
    CommitViews();
    Data().Normalise();
    CTransferDlg dialog(Data(), app_.Port(), TransferKind::Write, this);
    if (const std::filesystem::path log = ProgrammingLogFile(app_.Ini()); !log.empty()) {
        dialog.KeepProgrammingLog(log, PathToUtf8(files_.CurrentFile().filename()));
    }
    dialog.exec();
}

void CMainFrame::OnPort() {
    CPortDlg dialog(app_.Port(), this, portChoices_);
    if (dialog.exec() == QDialog::Accepted) {
        SetPortPane();
    }
}

void CMainFrame::OnAbout() {
    CAboutDlg dialog(app_.ProgramFolder(), this);
    dialog.exec();
}

void CMainFrame::OnToggleTreeBar() {
    treeBar_->setVisible(treeBar_->isHidden());
    actions_[command::kTreeBar]->setChecked(!treeBar_->isHidden());
}

}  // namespace ht57
