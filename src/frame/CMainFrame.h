#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <optional>
#include <vector>

#include "app/Application.h"
#include "app/FileCommandHost.h"
#include "app/FileCommands.h"
#include "app/FrameServices.h"
#include "frame/CommandRegistry.h"
#include "link/ui/CPortDlg.h"
#include "model/WindowPlacement.h"
#include "views/ViewRegistry.h"

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QMdiSubWindow;
class QToolBar;

namespace ht57 {

class CMdiClient;
class CMyChildFrame;
class NavigationTree;

// The program's main window: menus, toolbar, the four status panes, the
// "Tree Bar" with the navigation tree, and the client area holding at most one
// window per view kind. It routes the commands and keeps the frequency limits
// of the data set in step with its band flag.
class CMainFrame : public QMainWindow, public FrameServices, public FileCommandHost {
    Q_OBJECT

public:
    enum Pane { kModelPane = 0, kCopyrightPane = 1, kPortPane = 2, kFreqPane = 3 };

    // Builds the whole window and loads the default data into the image.
    CMainFrame(Application& app, ViewRegistry views, CommandRegistry commands,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    Application& App() { return app_; }
    FileCommands& Files() { return files_; }

    // FrameServices
    RadioData& Data() override { return app_.Data(); }
    void RefreshView(ViewKind kind) override;
    void ShowFrequencyLimits() override;
    bool IsViewOpen(ViewKind kind) const override;
    EditHistory& History() override { return history_; }

    // FileCommandHost
    void CommitViews() override;
    void CloseAllViews() override;
    void ClearTree() override;
    void BuildTree() override;
    void RecomputeFrequencyLimits() override;
    void LoadViews() override;
    void SetCaption(const std::string& caption) override;
    QWidget* DialogParent() override { return this; }

    // Activates the window of that kind, or creates it. Nothing happens for a
    // kind no view is registered for.
    void OpenView(ViewKind kind);
    // The window of that kind, nullptr when it is not open.
    CMyChildFrame* ViewSlot(ViewKind kind) const;

    // Sets the COM pane to the port name.
    void SetPortPane();

    // Where the Port dialog gets its list of ports; tests hand in their own
    // so no real device is ever probed.
    void SetPortChoiceSource(PortChoiceSource source) { portChoices_ = std::move(source); }

    // The command's menu or toolbar action, nullptr when there is none.
    QAction* Action(int commandId) const;
    // Removes a command's menu entry.
    void RemoveCommand(int commandId);

    CMdiClient* MdiClient() const { return mdi_; }
    NavigationTree* Tree() const { return tree_; }
    QDockWidget* TreeBar() const { return treeBar_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QString PaneText(Pane pane) const;

    // The File menu's entries for the recent files, numbered from 1, made
    // afresh from the list each time the menu opens.
    void UpdateRecentFiles();
    const std::vector<QAction*>& RecentFileActions() const { return recentActions_; }

    // Where the window was as it closed, taken while the window manager
    // still framed it: once the window is gone its frame reads as its client
    // area, off by the border. Empty until a close was accepted.
    const std::optional<WindowPlacement>& PlacementAtClose() const { return placementAtClose_; }

    // Command handlers.
    void OnRead();
    void OnWrite();
    void OnPort();
    void OnAbout();
    void OnToggleTreeBar();

protected:
    // Every way of closing the window asks about unsaved changes first.
    void closeEvent(QCloseEvent* event) override;
    // Keeps "*" to the history's word when Qt's MDI area sets the window's
    // modified flag on its own (it does as view windows open and maximise).
    void changeEvent(QEvent* event) override;

private:
    void OnDataRestored();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateTreeBar();
    void CreateLanguageMenu(QMenu* setting);
    void OnLanguage(const char* code);
    QAction* AddAction(int commandId, const QString& text);
    void RunRegistered(int commandId);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnTreeItemClicked(int code);
    void ForgetChild(const CMyChildFrame* child);
    // The view's own commands go into the Edit menu, after Undo and Redo;
    // they leave it with the view.
    void ListViewCommands(const CBaseFormView& view);

    Application& app_;
    ViewRegistry views_;
    CommandRegistry commands_;
    EditHistory history_;
    FileCommands files_;
    PortChoiceSource portChoices_ = BuildNativePortChoice;

    std::array<QPointer<CMyChildFrame>, kAllViewKinds.size()> slots_;
    QPointer<CMyChildFrame> activeChild_;
    bool closingAll_ = false;
    std::optional<WindowPlacement> placementAtClose_;

    CMdiClient* mdi_ = nullptr;
    NavigationTree* tree_ = nullptr;
    QDockWidget* treeBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* editMenu_ = nullptr;
    std::array<QLabel*, 4> panes_{};
    std::map<int, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
};

}  // namespace ht57
