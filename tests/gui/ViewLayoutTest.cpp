// The views at twice the normal scale, where a form larger than its window
// must scroll rather than be cut, and no control may be cut by its parent.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include <unistd.h>

#include "FrameTestKit.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/CommandIds.h"
#include "frame/NavigationTree.h"
#include "frame/ViewKindTable.h"

using namespace ht57;
using namespace ht57::test;

namespace {

struct Program {
    Program() {
        folder.WriteDefaultDat(FactoryDataFile());
        frame = Start(app);
    }
    ProgramFolder folder;
    Application app{folder.Path()};
    std::unique_ptr<CMainFrame> frame;
};

// Every shown control of the form, except the insides of lists and grids,
// which scroll on their own.
QString FirstCutControl(QWidget* form) {
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        QWidget* parent = widget->parentWidget();
        if (!widget->isVisibleTo(form) || widget->isWindow() ||
            qobject_cast<QAbstractScrollArea*>(parent) != nullptr ||
            (parent->parentWidget() != nullptr &&
             qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) != nullptr)) {
            continue;
        }
        // A size set on purpose counts as the control's least. A drop-down's
        // minimum hint is not renewed when its entries arrive; its size hint
        // is, and shows the widest entry whole.
        QSize least = qobject_cast<QComboBox*>(widget) != nullptr ? widget->sizeHint()
                                                                  : widget->minimumSizeHint();
        least = QSize(widget->minimumWidth() > 0 ? widget->minimumWidth() : least.width(),
                      widget->minimumHeight() > 0 ? widget->minimumHeight() : least.height());
        if (!parent->rect().contains(widget->geometry()) ||
            (least.isValid() &&
             (widget->width() < least.width() || widget->height() < least.height()))) {
            return QStringLiteral("%1 '%2' at %3,%4 %5x%6 needs %7x%8 in %9x%10")
                .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName())
                .arg(widget->x())
                .arg(widget->y())
                .arg(widget->width())
                .arg(widget->height())
                .arg(least.width())
                .arg(least.height())
                .arg(parent->width())
                .arg(parent->height());
        }
    }
    return {};
}

bool InsideClientArea(CMainFrame& frame, QWidget* window) {
    return QRect(QPoint(0, 0), frame.MdiClient()->viewport()->size()).contains(window->geometry());
}

}  // namespace

class ViewLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void EveryViewFitsItsWindowAndItsControlsAreWhole();
    void ArrangementsKeepEveryWindowInsideAndTheTreeFollows();
};

void ViewLayoutTest::EveryViewFitsItsWindowAndItsControlsAreWhole() {
    Program program;
    QVERIFY(program.frame != nullptr);
    for (ViewKind kind : kAllViewKinds) {
        program.frame->OpenView(kind);
        CMyChildFrame* child = program.frame->ViewSlot(kind);
        QVERIFY(child != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(child));
        QCoreApplication::processEvents();
        QVERIFY2(InsideClientArea(*program.frame, child), InfoFor(kind).caption);
        const QString cut = FirstCutControl(child->View());
        QVERIFY2(cut.isEmpty(), qPrintable(child->windowTitle() + QStringLiteral(": ") + cut));
        // A side with room to grow shows no scroll bar.
        const QSize area = program.frame->MdiClient()->viewport()->size();
        const auto* scroller = child->findChild<QScrollArea*>();
        QVERIFY(scroller != nullptr);
        QVERIFY2(child->height() == area.height() || !scroller->verticalScrollBar()->isVisible(),
                 InfoFor(kind).caption);
        QVERIFY2(child->width() == area.width() || !scroller->horizontalScrollBar()->isVisible(),
                 InfoFor(kind).caption);
        child->close();
    }
}

void ViewLayoutTest::ArrangementsKeepEveryWindowInsideAndTheTreeFollows() {
    Program program;
    for (ViewKind kind : kAllViewKinds) {
        program.frame->OpenView(kind);
    }
    const QSize mainSize = program.frame->size();
    for (int command : {command::kTile, command::kCascade}) {
        program.frame->Action(command)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(program.frame->size(), mainSize);
        for (ViewKind kind : kAllViewKinds) {
            QVERIFY2(InsideClientArea(*program.frame, program.frame->ViewSlot(kind)),
                     InfoFor(kind).caption);
        }
    }
    // Switching windows with F6 moves the tree's highlight along.
    for (int step = 0; step < 2; ++step) {
        program.frame->Action(command::kNextPane)->trigger();
        auto* active = qobject_cast<CMyChildFrame*>(program.frame->MdiClient()->activeSubWindow());
        QVERIFY(active != nullptr);
        const auto kind = std::find_if(kAllViewKinds.begin(), kAllViewKinds.end(), [&](ViewKind k) {
            return program.frame->ViewSlot(k) == active;
        });
        QVERIFY(kind != kAllViewKinds.end());
        QCOMPARE(NavigationTree::ItemCode(program.frame->Tree()->currentItem()),
                 std::optional<int>(InfoFor(*kind).treeCode));
    }
}

// Twice the normal scale unless the run names its own (QT_FONT_DPI=144 is
// the other common setting), on a 1280x1024 screen.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR") &&
        !qEnvironmentVariableIsSet("QT_FONT_DPI")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    const std::filesystem::path screens = std::filesystem::temp_directory_path() /
                                          ("ht57-screens-" + std::to_string(getpid()) + ".json");
    WriteFileText(screens, R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1280,
                                          "height": 1024, "logicalDpi": 96}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray(screens.c_str()));
    QApplication app(argc, argv);
    std::filesystem::remove(screens);
    ViewLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewLayoutTest.moc"
