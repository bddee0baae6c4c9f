#include <QSignalSpy>
#include <QTest>

#include "app/EditHistory.h"
#include "model/ChannelRecord.h"
#include "model/ChannelTable.h"

using namespace ht57;

class EditHistoryTest : public QObject {
    Q_OBJECT

private slots:
    // Actions, one letter each: a and b type another receive frequency into
    // channel 1, o types its first one back; = stores the value it already
    // has; v is what opening the channel view stores (an empty channel as the
    // cleared-channel record, which a save turns back into 0xFF bytes); l
    // switches to the other band's limits; u undo, r redo, s save.
    void ModifiedExactlyWhenTheStoredDataDiffers_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("depth");   // steps that undo can take back
        QTest::addColumn<QString>("rx");  // channel 1 as the grid shows it
        QTest::newRow("nothing") << "" << false << 0 << "146.52000";
        QTest::newRow("edit") << "a" << true << 1 << "145.00000";
        QTest::newRow("undo to the opened data") << "au" << false << 0 << "146.52000";
        QTest::newRow("redo") << "aur" << true << 1 << "145.00000";
        QTest::newRow("saved") << "as" << false << 1 << "145.00000";
        QTest::newRow("undo past the save") << "asu" << true << 0 << "146.52000";
        QTest::newRow("redo to the save") << "asur" << false << 1 << "145.00000";
        QTest::newRow("edited back") << "abo" << false << 3 << "146.52000";
        QTest::newRow("same value") << "=" << false << 0 << "146.52000";
        QTest::newRow("same value after an edit") << "a=" << true << 1 << "145.00000";
        QTest::newRow("view open") << "v" << false << 0 << "146.52000";
        QTest::newRow("view open after a save") << "asv" << false << 1 << "145.00000";
        QTest::newRow("view open, then undo") << "avu" << false << 0 << "146.52000";
        QTest::newRow("other limits") << "l" << true << 1 << "";
        QTest::newRow("limits undone") << "lu" << false << 0 << "146.52000";
    }

    void ModifiedExactlyWhenTheStoredDataDiffers() {
        QFETCH(QString, actions);
        RadioData data;
        data.limits = LimitsForBand(0);
        WriteChannelDefaults(data.image, 1, 14'652'000);
        EditHistory history(data);
        QSignalSpy announced(&history, &EditHistory::ModifiedChanged);
        const auto typeRx = [&history](std::uint32_t rx) {
            history.Apply("Edit", [rx](RadioData& d) { WriteChannelDefaults(d.image, 1, rx); });
        };
        for (const QChar action : actions) {
            switch (action.toLatin1()) {
                case 'a':
                    typeRx(14'500'000);
                    break;
                case 'b':
                    typeRx(14'400'000);
                    break;
                case 'o':
                case '=':
                    typeRx(action == 'o' ? 14'652'000
                                         : RecordRxFrequency(ReadChannel(data.image, 1)));
                    break;
                case 'v': {
                    const DataSnapshot before = EditHistory::Take(data);
                    WriteChannelDefaults(data.image, 5, std::nullopt);
                    history.Record("Edit Channel Infomation", before);
                    break;
                }
                case 'l':
                    history.Apply("Band", [](RadioData& d) { d.limits = LimitsForBand(1); });
                    break;
                case 'u':
                    history.Stack().undo();
                    break;
                case 'r':
                    history.Stack().redo();
                    break;
                case 's':
                    data.Normalise();
                    history.MarkSaved();
                    break;
            }
        }
        QTEST(history.IsModified(), "modified");
        QCOMPARE(announced.isEmpty() ? false : announced.last().at(0).toBool(),
                 history.IsModified());
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
        QVERIFY(history.Record("New", EditHistory::Take(data), std::filesystem::path()));
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
