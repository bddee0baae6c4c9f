#include <QCheckBox>
#include <QComboBox>
#include <QMdiArea>
#include <QTest>
#include <QWheelEvent>

#include "FrameTestKit.h"
#include "ProbeView.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/CommandIds.h"
#include "views/CModelView.h"

using namespace ht57;
using namespace ht57::test;

namespace {

constexpr std::size_t kFirstChannel = 0x10;

// The real radio info view beside a probe standing in for the channel view,
// so the refresh after a band change can be seen.
ViewRegistry Views() {
    ViewRegistry registry;
    registry.Register(ViewKind::RadioInfo, [](RadioData& data, FrameServices& frame) {
        return std::make_unique<CModelView>(data, frame);
    });
    registry.Register(ViewKind::ChannelInfo, [](RadioData& data, FrameServices& frame) {
        return std::make_unique<ProbeView>(data, frame, kFirstChannel);
    });
    return registry;
}

struct Program {
    explicit Program(bool uhf) {
        Bytes factory = FactoryDataFile();
        Byte& status = factory[kImageSize + region::kStatusByte];
        status = uhf ? (status | region::kBandFlagMask) : (status & ~region::kBandFlagMask);
        folder.WriteDefaultDat(factory);
        if (!app.InitInstance()) {
            qFatal("start-up failed");
        }
        frame = std::make_unique<CMainFrame>(app, Views(), CommandRegistry{});
        frame->resize(900, 600);
        frame->show();
        frame->activateWindow();
        active = QTest::qWaitForWindowActive(frame.get());
        frame->OpenView(ViewKind::ChannelInfo);
        frame->OpenView(ViewKind::RadioInfo);
        view = static_cast<CModelView*>(frame->ViewSlot(ViewKind::RadioInfo)->View());
        channels = static_cast<ProbeView*>(frame->ViewSlot(ViewKind::ChannelInfo)->View());
    }

    // Picks a band in the list with the keyboard, as a user would.
    void ChooseBand(int index) const {
        QComboBox* combo = view->BandCombo();
        combo->setFocus();
        QTest::keyClick(combo, index > combo->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
    }

    Bytes Bytes_(std::size_t from, std::size_t count) const {
        const Image& image = app.Data().image;
        return {image.begin() + static_cast<std::ptrdiff_t>(from),
                image.begin() + static_cast<std::ptrdiff_t>(from + count)};
    }

    ProgramFolder folder;
    Application app{folder.Path()};
    std::unique_ptr<CMainFrame> frame;
    CModelView* view = nullptr;
    ProbeView* channels = nullptr;
    bool active = false;
};

}  // namespace

class CModelViewTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsBandAndReceiveEnable();
    void ConfirmedBandChangeErasesChannels();
    void CancelledBandChangeChangesNothing();
    void SameBandAsksNothing();
    void SelectionsByCodeNeverAsk();
    void ReceiveEnableStoresOnlyItsBit();
};

void CModelViewTest::ShowsBandAndReceiveEnable() {
    for (const bool uhf : {false, true}) {
        Program program(uhf);
        QCOMPARE(program.view->BandCombo()->count(), 2);
        QCOMPARE(program.view->BandCombo()->itemText(0), QStringLiteral("RDX3-VHF"));
        QCOMPARE(program.view->BandCombo()->itemText(1), QStringLiteral("RDX3-UHF"));
        QCOMPARE(program.view->BandCombo()->currentIndex(), uhf ? 1 : 0);
        QCOMPARE(program.view->ReceiveEnableCheck()->isChecked(),
                 (program.app.Data().image[region::kStatusByte] & region::kReceiveEnableMask) != 0);
        QCOMPARE(program.view->ReceiveEnableCheck()->text(), QStringLiteral("Receive Enable"));
        QCOMPARE(program.frame->ViewSlot(ViewKind::RadioInfo)->windowTitle(),
                 QStringLiteral("Radio Info"));
    }
}

void CModelViewTest::ConfirmedBandChangeErasesChannels() {
    Program program(true);
    QVERIFY(program.active);
    const Image before = program.app.Data().image;
    const int loadsBefore = program.channels->loads;

    SeenMessage seen;
    ModalAnswerer answers;
    answers.Then(Press(QMessageBox::Ok, &seen));
    program.ChooseBand(0);

    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(seen.text, QStringLiteral("Channel data will be cleared!"));
    QCOMPARE(program.Bytes_(kFirstChannel, 128 * 16), Bytes(128 * 16, 0x00));
    QCOMPARE(program.Bytes_(0xFA0, 4), (Bytes{0x60, 0x13, 0x40, 0x17}));
    QCOMPARE(program.Bytes_(0x820, 4), (Bytes{0x00, 0x25, 0x50, 0x15}));
    QCOMPARE(program.app.Data().limits, LimitsForBand(0));
    QCOMPARE(program.frame->PaneText(CMainFrame::kFreqPane), QStringLiteral("136-174MHz"));
    QVERIFY(program.channels->loads > loadsBefore);
    QCOMPARE(program.channels->Editor()->text(), QStringLiteral("0"));
    QCOMPARE(program.view->BandCombo()->currentIndex(), 0);

    program.frame->OpenView(ViewKind::ChannelInfo);
    QCOMPARE(BandFlag(program.app.Data().image), 0);
    QVERIFY(program.frame->isWindowModified());

    // One step takes back the cleared channels and the band, and the view shows it.
    QCOMPARE(program.frame->History().Stack().undoText(), QStringLiteral("Change band"));
    program.frame->Action(command::kUndo)->trigger();
    QVERIFY(program.app.Data().image == before);
    QCOMPARE(program.view->BandCombo()->currentIndex(), 1);
    QCOMPARE(program.frame->PaneText(CMainFrame::kFreqPane), QStringLiteral("400-470MHz"));
    QVERIFY(!program.frame->isWindowModified());
}

void CModelViewTest::CancelledBandChangeChangesNothing() {
    Program program(false);
    QVERIFY(program.active);
    const Image before = program.app.Data().image;
    const int loadsBefore = program.channels->loads;

    ModalAnswerer answers;
    answers.Then(Press(QMessageBox::Cancel));
    program.ChooseBand(1);

    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(program.view->BandCombo()->currentIndex(), 0);
    QVERIFY(program.app.Data().image == before);
    QCOMPARE(program.app.Data().limits, LimitsForBand(0));
    QCOMPARE(program.frame->PaneText(CMainFrame::kFreqPane), QStringLiteral("136-174MHz"));
    QCOMPARE(program.channels->loads, loadsBefore);

    program.frame->OpenView(ViewKind::ChannelInfo);
    QCOMPARE(BandFlag(program.app.Data().image), 0);
}

void CModelViewTest::SameBandAsksNothing() {
    Program program(false);
    program.app.Data().limits = {14'000'000, 15'000'000};  // narrowed, same band
    const Image before = program.app.Data().image;
    ModalAnswerer answers;
    emit program.view->BandCombo()->activated(0);
    // A wheel notch over the closed drop-down changes nothing either.
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(program.view->BandCombo(), &wheel);
    QCOMPARE(program.view->BandCombo()->currentIndex(), 0);
    QTest::qWait(30);
    QCOMPARE(answers.Unexpected(), 0);
    QVERIFY(program.app.Data().image == before);
}

void CModelViewTest::SelectionsByCodeNeverAsk() {
    Program program(false);
    ModalAnswerer answers;
    program.app.Data().image[region::kStatusByte] |= region::kBandFlagMask;
    program.frame->RefreshView(ViewKind::RadioInfo);
    QCOMPARE(program.view->BandCombo()->currentIndex(), 1);
    program.view->BandCombo()->setCurrentIndex(0);
    QTest::qWait(30);
    QCOMPARE(answers.Unexpected(), 0);
    QCOMPARE(program.app.Data().limits, LimitsForBand(0));
}

void CModelViewTest::ReceiveEnableStoresOnlyItsBit() {
    Program program(false);
    Byte& status = program.app.Data().image[region::kStatusByte];
    status = 0xDF;  // every bit but the band flag
    program.frame->RefreshView(ViewKind::RadioInfo);
    QVERIFY(program.view->ReceiveEnableCheck()->isChecked());
    program.view->ReceiveEnableCheck()->setChecked(false);
    program.frame->OpenView(ViewKind::ChannelInfo);
    QCOMPARE(status, Byte{0xCF});
}

QTEST_MAIN(CModelViewTest)
#include "CModelViewTest.moc"
