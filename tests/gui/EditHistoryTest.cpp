#include <QSignalSpy>
#include <QTest>

#include "app/EditHistory.h"

using namespace ht57;

class EditHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void StepsRestoreImageAndLimitsBothWays() {
        RadioData data;
        EditHistory history(data);
        QSignalSpy restored(&history, &EditHistory::DataRestored);
        QSignalSpy modified(&history, &EditHistory::ModifiedChanged);

        QVERIFY(!history.Apply("Nothing", [](RadioData&) {}));
        QCOMPARE(history.Stack().count(), 0);

        const DataSnapshot before = EditHistory::Take(data);
        data.image[0x10] = 0x12;
        data.limits = LimitsForBand(0);
        QVERIFY(history.Record("Change band", before));
        QVERIFY(history.Apply("Edit", [](RadioData& d) { d.image[0x20] = 1; }));
        const DataSnapshot after = EditHistory::Take(data);
        QCOMPARE(history.Stack().undoText(), QString("Edit"));
        QVERIFY(history.IsModified());
        QCOMPARE(modified.takeFirst().at(0).toBool(), true);
        QCOMPARE(restored.count(), 0);  // recording changes nothing again

        history.Stack().undo();
        history.Stack().undo();
        QVERIFY(EditHistory::Take(data) == before);
        QVERIFY(!history.IsModified());
        history.Stack().redo();
        history.Stack().redo();
        QVERIFY(EditHistory::Take(data) == after);
        QCOMPARE(restored.count(), 4);

        history.MarkSaved();
        QVERIFY(!history.IsModified());
        history.Stack().undo();
        QVERIFY(history.IsModified());
        history.Reset();
        QVERIFY(!history.IsModified());
        QCOMPARE(history.Stack().count(), 0);
        QCOMPARE(modified.last().at(0).toBool(), false);
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
        history.SetFile("/b.dat");
        history.Stack().undo();
        QCOMPARE(history.File(), std::filesystem::path("/a.dat"));
        history.Stack().redo();
        QCOMPARE(history.File(), std::filesystem::path("/b.dat"));
        QCOMPARE(restored.count(), 2);
    }
};

QTEST_MAIN(EditHistoryTest)
#include "EditHistoryTest.moc"
