#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "link/ui/CPowerAdjustDlg.h"
#include "support/SimulatorProcess.h"
#include "support/TraceSearch.h"

using ht57::Byte;
using ht57::CPowerAdjustDlg;
using ht57::Image;
using ht57::PortSettings;
using ht57::RadioData;
using ht57::test::CountOf;
using ht57::test::SimulatorProcess;
using ht57::test::SimulatorSetup;
using Bytes = std::vector<Byte>;
using Block = std::array<Byte, 16>;

namespace {

constexpr std::size_t kCalibration = 0xFF0;
const Bytes kHandshake{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};
const Bytes kCommand{0x06, 0x67, 0x0F, 0xF0, 0x10};
constexpr Byte kEnd = 0x62;

// LL at the bottom of its range and HH at the top, so clamping shows.
constexpr Block kRadioBlock{1,    80,   120,  60,   110,  250,  3,    0xA7,
                            0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF};
// What the program's image holds before the dialog opens: nothing like the
// radio's values.
constexpr Block kImageBlock{11,   12,   13,   14,   15,   16,   2,    0x17,
                            0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F};

Image RadioMemory() {
    Image image;
    image.fill(0xFF);
    std::copy(kRadioBlock.begin(), kRadioBlock.end(), image.begin() + kCalibration);
    return image;
}

Block BlockAt(const Image& image) {
    Block block;
    std::copy_n(image.begin() + kCalibration, block.size(), block.begin());
    return block;
}

// The session as the radio received it: the handshakes, then the opening
// calibration frame followed by 0x06, then one frame per adjustment, then
// the end byte if one came.
struct Traffic {
    int handshakes = 0;
    std::optional<Block> opening;
    bool acknowledgedOpening = false;
    std::vector<Block> exchanges;
    bool ended = false;
    bool wellFormed = true;
};

Traffic Parse(const Bytes& trace) {
    Traffic traffic;
    traffic.handshakes = CountOf(trace, kHandshake);
    auto at = std::search(trace.begin(), trace.end(), kCommand.begin(), kCommand.end());
    if (at == trace.end()) {
        traffic.ended = std::find(trace.begin(), trace.end(), kEnd) != trace.end();
        return traffic;
    }
    const auto takeBlock = [&](Block& block) {
        at += static_cast<std::ptrdiff_t>(kCommand.size());
        if (trace.end() - at < 16) {
            traffic.wellFormed = false;
            return false;
        }
        std::copy_n(at, 16, block.begin());
        at += 16;
        return true;
    };
    Block block;
    if (!takeBlock(block)) {
        return traffic;
    }
    traffic.opening = block;
    if (at != trace.end() && *at == 0x06) {
        traffic.acknowledgedOpening = true;
        ++at;
    }
    while (trace.end() - at >= static_cast<std::ptrdiff_t>(kCommand.size()) &&
           std::equal(kCommand.begin(), kCommand.end(), at)) {
        if (!takeBlock(block)) {
            return traffic;
        }
        traffic.exchanges.push_back(block);
    }
    if (at != trace.end() && *at == kEnd) {
        traffic.ended = true;
        ++at;
    }
    traffic.wellFormed = at == trace.end();
    return traffic;
}

// Everything the simulator has received, once nothing more has come for a
// while: the dialog returns as soon as its last byte is written, not when the
// radio has taken it.
Bytes SettledTrace(const SimulatorProcess& sim) {
    Bytes trace = sim.Trace();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5'000) {
        QTest::qSleep(150);
        Bytes now = sim.Trace();
        if (now == trace) {
            break;
        }
        trace = std::move(now);
    }
    return trace;
}

struct SeenMessage {
    QString title;
    QString text;
    bool dialogVisible = false;
};

struct Run {
    int result = -1;
    bool shown = false;
    QString caption;
    std::vector<SeenMessage> messages;
    bool timedOut = false;
};

void SaveShot(QWidget* widget, const char* name) {
    if (const QByteArray folder = qgetenv("HT57_SHOTS"); !folder.isEmpty()) {
        widget->grab().save(QString::fromLocal8Bit(folder) + '/' + QString::fromLatin1(name));
    }
}

// Runs the dialog modally. Once it shows, `script` acts on it and is
// expected to close it; message boxes are answered with OK as they come.
Run Drive(CPowerAdjustDlg& dialog, const std::function<void(CPowerAdjustDlg&)>& script) {
    Run run;
    QElapsedTimer clock;
    clock.start();

    QTimer messages;
    messages.setInterval(5);
    QObject::connect(&messages, &QTimer::timeout, &dialog, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (box->property("seen").toBool()) {
                return;
            }
            box->setProperty("seen", true);
            run.messages.push_back({box->windowTitle(), box->text(), dialog.isVisible()});
            QMetaObject::invokeMethod(box->button(QMessageBox::Ok), "click", Qt::QueuedConnection);
            return;
        }
        if (clock.elapsed() > 60'000 && dialog.isVisible()) {
            run.timedOut = true;
            dialog.done(-1);
        }
    });
    messages.start();

    QTimer opened;
    opened.setInterval(5);
    QObject::connect(&opened, &QTimer::timeout, &dialog, [&] {
        if (!dialog.isVisible() || QApplication::activeModalWidget() != &dialog) {
            return;
        }
        opened.stop();
        run.shown = true;
        run.caption = dialog.windowTitle();
        SaveShot(&dialog, "power-adjust.png");
        script(dialog);
    });
    opened.start();

    run.result = dialog.exec();
    opened.stop();
    messages.stop();
    return run;
}

// The point of a scroll bar's sub-control, in the bar's coordinates.
QPoint ControlCentre(QScrollBar* bar, QStyle::SubControl control) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar).center();
}

enum class Gesture { Drag, ClickRightArrow, ClickLeftArrow, Key };

struct Adjustment {
    int row;
    Gesture gesture;
    int target = 0;  // for Drag
    Qt::Key key = Qt::Key_unknown;
};

void Apply(CPowerAdjustDlg& dialog, const Adjustment& step) {
    QScrollBar* bar = dialog.Bar(step.row);
    switch (step.gesture) {
        case Gesture::Drag: {
            // The thumb follows the mouse, then the button goes up.
            const QPoint thumb = ControlCentre(bar, QStyle::SC_ScrollBarSlider);
            QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
            bar->setSliderPosition(step.target);
            QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb);
            break;
        }
        case Gesture::ClickRightArrow:
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              ControlCentre(bar, QStyle::SC_ScrollBarAddLine));
            break;
        case Gesture::ClickLeftArrow:
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              ControlCentre(bar, QStyle::SC_ScrollBarSubLine));
            break;
        case Gesture::Key:
            bar->setFocus();
            QTest::keyClick(bar, step.key);
            break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Gesture)

class CPowerAdjustDlgTest : public QObject {
    Q_OBJECT

private slots:
    void ShowsTheRadioValuesAndRows();
    void ReleaseSendsTheBlock_data();
    void ReleaseSendsTheBlock();
    void EveryWayOfClosingEndsTheSession_data();
    void EveryWayOfClosingEndsTheSession();
    void UntouchedDialogLeavesTheRadioAsItWas();
    void HighAndLowSendTheSameBytes();
    void OpeningFailureLeavesEverythingAlone_data();
    void OpeningFailureLeavesEverythingAlone();
    void FailedExchangeKeepsDialogOpenAndCancelReconnects_data();
    void FailedExchangeKeepsDialogOpenAndCancelReconnects();
    void MovingWithoutReleaseSendsNothing();

private:
    std::unique_ptr<SimulatorProcess> Launch(std::vector<std::string> args = {});
};

std::unique_ptr<SimulatorProcess> CPowerAdjustDlgTest::Launch(std::vector<std::string> args) {
    auto sim = std::make_unique<SimulatorProcess>(SimulatorSetup{std::move(args), RadioMemory()});
    if (!sim->Started()) {
        qWarning("ht57-sim did not start: %s", sim->Error().c_str());
        return nullptr;
    }
    return sim;
}

RadioData DataWithBlock() {
    RadioData data;
    std::copy(kImageBlock.begin(), kImageBlock.end(), data.image.begin() + kCalibration);
    return data;
}

void CPowerAdjustDlgTest::ShowsTheRadioValuesAndRows() {
    auto sim = Launch();
    QVERIFY(sim);
    RadioData data = DataWithBlock();
    CPowerAdjustDlg dialog(data, PortSettings{sim->PortName()}, true);
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* row : {"LL", "ML", "HL", "LH", "MH", "HH"}) {
        QVERIFY2(labels.contains(QString::fromLatin1(row) + " Power Min"), row);
    }
    QCOMPARE(labels.count(QStringLiteral("Max")), 6);
    QCOMPARE(dialog.ValueText(0)->text(), QStringLiteral("0"));

    QStringList texts;
    std::vector<int> positions;
    const Run run = Drive(dialog, [&](CPowerAdjustDlg& d) {
        for (int row = 0; row < 6; ++row) {
            texts << d.ValueText(row)->text();
            positions.push_back(d.Bar(row)->value());
            QCOMPARE(d.Bar(row)->minimum(), 1);
            QCOMPARE(d.Bar(row)->maximum(), 250);
        }
        QVERIFY(d.Linked());
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
    });
    QVERIFY(run.shown);
    QCOMPARE(run.caption, QStringLiteral("High Power"));
    QCOMPARE(texts, QStringList({"1", "80", "120", "60", "110", "250"}));
    QCOMPARE(positions, std::vector<int>({1, 80, 120, 60, 110, 250}));
    QVERIFY(run.messages.empty());
}

void CPowerAdjustDlgTest::ReleaseSendsTheBlock_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("LL dragged to 120") << 0 << Gesture::Drag << 120 << 0 << 120;
    QTest::newRow("HH right arrow at 250") << 5 << Gesture::ClickRightArrow << 0 << 0 << 250;
    QTest::newRow("HH right key at 250") << 5 << Gesture::Key << 0 << int(Qt::Key_Right) << 250;
    QTest::newRow("LL left arrow at 1") << 0 << Gesture::ClickLeftArrow << 0 << 0 << 1;
    QTest::newRow("ML right arrow") << 1 << Gesture::ClickRightArrow << 0 << 0 << 81;
    QTest::newRow("HL page left key") << 2 << Gesture::Key << 0 << int(Qt::Key_PageUp) << 110;
    QTest::newRow("LH page right key") << 3 << Gesture::Key << 0 << int(Qt::Key_PageDown) << 70;
    QTest::newRow("LH left key") << 3 << Gesture::Key << 0 << int(Qt::Key_Left) << 59;
    QTest::newRow("MH home key keeps the value")
        << 4 << Gesture::Key << 0 << int(Qt::Key_Home) << 110;
    QTest::newRow("MH dragged past the end") << 4 << Gesture::Drag << 400 << 0 << 250;
}

void CPowerAdjustDlgTest::ReleaseSendsTheBlock() {
    QFETCH(int, row);
    QFETCH(Gesture, gesture);
    QFETCH(int, target);
    QFETCH(int, key);
    QFETCH(int, expected);

    auto sim = Launch();
    QVERIFY(sim);
    RadioData data = DataWithBlock();
    CPowerAdjustDlg dialog(data, PortSettings{sim->PortName()}, true);
    QString shown;
    const Run run = Drive(dialog, [&](CPowerAdjustDlg& d) {
        Apply(d, {row, gesture, target, static_cast<Qt::Key>(key)});
        shown = d.ValueText(row)->text();
        d.accept();
    });
    QVERIFY(run.shown);
    QVERIFY(run.messages.empty());
    QCOMPARE(shown, QString::number(expected));
    QCOMPARE(dialog.Bar(row)->value(), expected);

    const Traffic traffic = Parse(SettledTrace(*sim));
    QVERIFY(traffic.wellFormed);
    QVERIFY(traffic.acknowledgedOpening);
    QCOMPARE(traffic.exchanges.size(), std::size_t{1});
    QVERIFY(traffic.ended);

    Block sent = *traffic.opening;
    sent[static_cast<std::size_t>(row)] = static_cast<Byte>(expected);
    sent[6] = static_cast<Byte>(row);
    QCOMPARE(traffic.exchanges[0], sent);
    QCOMPARE(BlockAt(data.image), sent);
    const auto saved = sim->SavedImage();
    QVERIFY(saved);
    QCOMPARE(BlockAt(*saved), sent);
}

void CPowerAdjustDlgTest::EveryWayOfClosingEndsTheSession_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("keeps");
    QTest::newRow("OK button") << "ok" << true;
    QTest::newRow("Enter") << "enter" << true;
    QTest::newRow("Cancel button") << "cancel" << false;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("close box") << "close" << false;
    QTest::newRow("Enter on the Cancel button") << "enter-on-button" << false;
}

void CPowerAdjustDlgTest::EveryWayOfClosingEndsTheSession() {
    QFETCH(QString, way);
    QFETCH(bool, keeps);
    auto sim = Launch();
    QVERIFY(sim);
    RadioData data = DataWithBlock();
    Image before = data.image;
    CPowerAdjustDlg dialog(data, PortSettings{sim->PortName()}, false);
    const Run run = Drive(dialog, [&](CPowerAdjustDlg& d) {
        Apply(d, {2, Gesture::Drag, 200});
        Apply(d, {4, Gesture::Key, 0, Qt::Key_Right});
        auto* cancel = d.findChild<QPushButton*>(QStringLiteral("cancel"));
        if (way == "ok") {
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        } else if (way == "cancel") {
            QTest::mouseClick(cancel, Qt::LeftButton);
        } else if (way == "escape") {
            QTest::keyClick(d.Bar(4), Qt::Key_Escape);
        } else if (way == "close") {
            d.close();
        } else if (way == "enter") {
            QTest::keyClick(d.Bar(4), Qt::Key_Return);
        } else {
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Enter, Qt::KeypadModifier);
        }
    });
    QVERIFY(run.shown);
    QVERIFY(!run.timedOut);
    QVERIFY(run.messages.empty());
    QCOMPARE(run.result, int(keeps ? QDialog::Accepted : QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.Linked());

    const Bytes trace = SettledTrace(*sim);
    QCOMPARE(trace.back(), kEnd);
    QCOMPARE(std::count(trace.begin(), trace.end(), kEnd), 1);
    const Traffic traffic = Parse(trace);
    QVERIFY(traffic.wellFormed);
    QCOMPARE(traffic.exchanges.size(), std::size_t{keeps ? 2u : 3u});
    const auto radio = sim->SavedImage();
    QVERIFY(radio);

    if (!keeps) {
        // The radio gets back what it was sent on opening; the image stays.
        QCOMPARE(traffic.exchanges.back(), *traffic.opening);
        QCOMPARE(BlockAt(*radio), *traffic.opening);
        QVERIFY(data.image == before);
        return;
    }
    // The six positions and the row last adjusted; the other bytes as sent.
    Block expected = *traffic.opening;
    expected[2] = 200;
    expected[4] = 111;
    expected[6] = 4;
    QCOMPARE(BlockAt(*radio), expected);
    // Nothing else of the image moves.
    std::copy(expected.begin(), expected.end(), before.begin() + kCalibration);
    QVERIFY(data.image == before);
}

void CPowerAdjustDlgTest::UntouchedDialogLeavesTheRadioAsItWas() {
    auto sim = Launch();
    QVERIFY(sim);
    RadioData data = DataWithBlock();
    CPowerAdjustDlg dialog(data, PortSettings{sim->PortName()}, true);
    const Run run = Drive(dialog, [](CPowerAdjustDlg& d) { d.reject(); });
    QVERIFY(run.shown);

    const Traffic traffic = Parse(SettledTrace(*sim));
    QVERIFY(traffic.wellFormed);
    QVERIFY(traffic.exchanges.empty());
    QVERIFY(traffic.ended);
    // The radio gets its own six values back, not the image's; the bytes it
    // does not report come from the image.
    Block expected = kImageBlock;
    std::copy_n(kRadioBlock.begin(), 6, expected.begin());
    QCOMPARE(*traffic.opening, expected);

    const auto saved = sim->SavedImage();
    QVERIFY(saved);
    const Block radio = BlockAt(*saved);
    QVERIFY(std::equal(radio.begin(), radio.begin() + 6, kRadioBlock.begin()));
    QCOMPARE(BlockAt(data.image), kImageBlock);
}

void CPowerAdjustDlgTest::HighAndLowSendTheSameBytes() {
    std::vector<Bytes> traces;
    QStringList captions;
    for (const bool high : {true, false}) {
        auto sim = Launch();
        QVERIFY(sim);
        RadioData data = DataWithBlock();
        CPowerAdjustDlg dialog(data, PortSettings{sim->PortName()}, high);
        const Run run = Drive(dialog, [](CPowerAdjustDlg& d) {
            Apply(d, {0, Gesture::Drag, 120});
            Apply(d, {5, Gesture::ClickLeftArrow});
            d.accept();
        });
        QVERIFY(run.shown);
        captions << run.caption;
        traces.push_back(SettledTrace(*sim));
    }
    QCOMPARE(captions, QStringList({"High Power", "Low Power"}));
    QVERIFY(!traces[0].empty());
    QVERIFY(traces[0] == traces[1]);
    QCOMPARE(Parse(traces[0]).exchanges.size(), std::size_t{2});
}

void CPowerAdjustDlgTest::OpeningFailureLeavesEverythingAlone_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("badPort");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("handshakes");

    QTest::newRow("no radio") << QStringList{"--ignore-handshakes", "3"} << false
                              << "Communication error" << 3;
    QTest::newRow("short identification")
        << QStringList{"--ident-length", "12"} << false << "Communication error" << 1;
    QTest::newRow("0x16 to the opening frame")
        << QStringList{"--calibration-open-reply", "0x16"} << false << "Communication error" << 1;
    QTest::newRow("port does not open") << QStringList{} << true << "Fail to open port " << 0;
}

void CPowerAdjustDlgTest::OpeningFailureLeavesEverythingAlone() {
    QFETCH(QStringList, args);
    QFETCH(bool, badPort);
    QFETCH(QString, message);
    QFETCH(int, handshakes);

    std::vector<std::string> simArgs;
    for (const QString& arg : args) {
        simArgs.push_back(arg.toStdString());
    }
    auto sim = Launch(simArgs);
    QVERIFY(sim);
    RadioData data = DataWithBlock();
    const Image before = data.image;
    const std::string port = badPort ? sim->Folder().string() + "/no-such-port" : sim->PortName();
    CPowerAdjustDlg dialog(data, PortSettings{port}, true);
    const Run run = Drive(dialog, [](CPowerAdjustDlg& d) { d.reject(); });

    QVERIFY(!run.shown);
    QCOMPARE(run.result, int(QDialog::Rejected));
    QCOMPARE(run.messages.size(), std::size_t{1});
    QCOMPARE(run.messages[0].title, QStringLiteral("Program"));
    QCOMPARE(run.messages[0].text, message);
    QVERIFY(!dialog.Linked());
    QVERIFY(data.image == before);

    const Bytes trace = SettledTrace(*sim);
    QCOMPARE(CountOf(trace, kHandshake), handshakes);
    QVERIFY(std::find(trace.begin(), trace.end(), kEnd) == trace.end());
}

void CPowerAdjustDlgTest::FailedExchangeKeepsDialogOpenAndCancelReconnects_data() {
    QTest::addColumn<bool>("radioGone");
    QTest::newRow("radio still there") << false;
    QTest::newRow("radio gone") << true;
}

void CPowerAdjustDlgTest::FailedExchangeKeepsDialogOpenAndCancelReconnects() {
    QFETCH(bool, radioGone);
    auto sim = Launch({"--nak-calibration", "1"});
    QVERIFY(sim);
    RadioData data = DataWithBlock();
    const Image before = data.image;
    CPowerAdjustDlg dialog(data, PortSettings{sim->PortName()}, true);
    bool visibleAfterFailure = false;
    bool linkedAfterFailure = true;
    QString textAfterMove;
    Bytes opening;
    const Run run = Drive(dialog, [&](CPowerAdjustDlg& d) {
        Apply(d, {0, Gesture::Drag, 120});
        visibleAfterFailure = d.isVisible();
        linkedAfterFailure = d.Linked();
        const Traffic first = Parse(SettledTrace(*sim));
        opening.assign(first.opening->begin(), first.opening->end());
        // Without a link the bars still move, and nothing goes out.
        Apply(d, {0, Gesture::Key, 0, Qt::Key_Right});
        textAfterMove = d.ValueText(0)->text();
        if (radioGone) {
            sim->Stop();
        }
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
    });
    QVERIFY(run.shown);
    QCOMPARE(run.messages.size(), std::size_t{radioGone ? 2u : 1u});
    QCOMPARE(run.messages[0].text, QStringLiteral("Communication error"));
    QVERIFY(run.messages[0].dialogVisible);
    QVERIFY(visibleAfterFailure);
    QVERIFY(!linkedAfterFailure);
    QCOMPARE(textAfterMove, QStringLiteral("121"));
    QVERIFY(data.image == before);
    if (radioGone) {
        QVERIFY(run.messages[1].text.contains(QStringLiteral("could not be taken back")));
        return;
    }
    // Cancel shakes hands again and sends the opening block back.
    const Bytes trace = SettledTrace(*sim);
    QCOMPARE(CountOf(trace, kHandshake), 2);
    Bytes tail = kCommand;
    tail.insert(tail.end(), opening.begin(), opening.end());
    tail.insert(tail.end(), {0x06, kEnd});
    QVERIFY(std::equal(tail.rbegin(), tail.rend(), trace.rbegin()));
}

void CPowerAdjustDlgTest::MovingWithoutReleaseSendsNothing() {
    auto sim = Launch();
    QVERIFY(sim);
    RadioData data = DataWithBlock();
    CPowerAdjustDlg dialog(data, PortSettings{sim->PortName()}, true);
    QString tracked;
    const Run run = Drive(dialog, [&](CPowerAdjustDlg& d) {
        QScrollBar* bar = d.Bar(1);
        const QPoint thumb = ControlCentre(bar, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        bar->setSliderPosition(33);
        tracked = d.ValueText(1)->text();
        // Wheel turns are not scrolls the dialog takes.
        QWheelEvent wheel(QPointF(thumb), bar->mapToGlobal(QPointF(thumb)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(d.Bar(2), &wheel);
        d.reject();
    });
    QVERIFY(run.shown);
    QCOMPARE(tracked, QStringLiteral("33"));
    QCOMPARE(dialog.Bar(2)->value(), 120);
    const Traffic traffic = Parse(SettledTrace(*sim));
    QVERIFY(traffic.exchanges.empty());
    QVERIFY(traffic.ended);
    QCOMPARE(BlockAt(data.image), kImageBlock);
}

QTEST_MAIN(CPowerAdjustDlgTest)
#include "CPowerAdjustDlgTest.moc"
