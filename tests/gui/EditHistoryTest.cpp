#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <map>

#include "app/EditHistory.h"
#include "model/ChannelRecord.h"
#include "model/ChannelTable.h"

using namespace ht57;

class EditHistoryTest : public QObject {
    Q_OBJECT

private slots:
    // One letter per action: a, b another receive frequency typed into
    // channel 1, o its first one back, = the value it has; v what opening the
    // channel view stores (an empty channel as the cleared-channel record,
    // which a save turns back into 0xFF bytes); l the other band's limits;
    // u undo, r redo, s save.
    void ModifiedExactlyWhenTheStoredDataDiffers_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("depth");   // steps undo can take back
        QTest::addColumn<QString>("rx");  // channel 1 as the grid shows it
        QTest::newRow("edit") << "a" << true << 1 << "145.00000";
        QTest::newRow("undo to the opened data") << "au" << false << 0 << "146.52000";
        QTest::newRow("redo") << "aur" << true << 1 << "145.00000";
        QTest::newRow("saved") << "as" << false << 1 << "145.00000";
        QTest::newRow("undo past the save") << "asu" << true << 0 << "146.52000";
        QTest::newRow("redo to the save") << "asur" << false << 1 << "145.00000";
        QTest::newRow("edited back") << "abo" << false << 3 << "146.52000";
        QTest::newRow("same value") << "a=" << true << 1 << "145.00000";
        QTest::newRow("view open") << "v" << false << 0 << "146.52000";
        QTest::newRow("view open after a save") << "asv" << false << 1 << "145.00000";
        QTest::newRow("other limits") << "l" << true << 1 << "";
        QTest::newRow("limits undone") << "lu" << false << 0 << "146.52000";
    }

    void ModifiedExactlyWhenTheStoredDataDiffers() {
        RadioData data;
        data.limits = LimitsForBand(0);
        WriteChannelDefaults(data.image, 1, 14'652'000);
        EditHistory history(data);
        QSignalSpy announced(&history, &EditHistory::ModifiedChanged);
        const auto step = [&history](std::function<void(RadioData&)> change) {
            return [&history, change] { history.Apply("Edit", change); };
        };
        const auto rx = [&step](std::uint32_t f) {
            return step([f](RadioData& d) { WriteChannelDefaults(d.image, 1, f); });
        };
        const std::map<char, std::function<void()>> run{
            {'a', rx(14'500'000)},
            {'b', rx(14'400'000)},
            {'o', rx(14'652'000)},
            {'=', [&] { rx(RecordRxFrequency(ReadChannel(data.image, 1)))(); }},
            {'v', step([](RadioData& d) { WriteChannelDefaults(d.image, 5, {}); })},
            {'l', step([](RadioData& d) { d.limits = LimitsForBand(1); })},
            {'u', [&] { history.Stack().undo(); }},
            {'r', [&] { history.Stack().redo(); }},
            {'s', [&] {
                 data.Normalise();
                 history.MarkSaved();
             }}};
        QFETCH(QString, actions);
        for (const char action : actions.toStdString()) {
            run.at(action)();
        }
        QTEST(history.IsModified(), "modified");
        QCOMPARE(!announced.isEmpty() && announced.last().at(0).toBool(), history.IsModified());
        QTEST(history.Stack().index(), "depth");
        QTEST(QString::fromStdString(DecodeChannelAt(data.image, 1, data.limits).rxFrequency),
              "rx");
    }

    // A step that changes the file swaps it back and forth, keeping a name
    // the document was given later (Save As) for the redo.
    void FileStepsSwapTheDocumentsFile() {
        RadioData data;
        EditHistory history(data);
        QSignalSpy restored(&history, &EditHistory::FileRestored);
        history.SetFile("/a.dat");
        QVERIFY(history.Record("New", EditHistory::Take(data), DocumentName{}));
        QVERIFY(history.File().empty());
        QVERIFY(history.IsModified());  // the same data, but in no file
        history.SetFile("/b.dat");
        QVERIFY(!history.IsModified());
        history.Stack().undo();
        QCOMPARE(history.File(), std::filesystem::path("/a.dat"));
        history.Stack().redo();
        QCOMPARE(history.File(), std::filesystem::path("/b.dat"));
        QCOMPARE(restored.count(), 2);
    }
};

QTEST_MAIN(EditHistoryTest)
#include "EditHistoryTest.moc"
