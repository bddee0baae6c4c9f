#include <QTest>

#include "FrameTestKit.h"
#include "model/ProgramFolders.h"

using namespace ht57;
using namespace ht57::test;

// An installed program: usr/bin holds only the executable, usr/share/ht57 the
// templates, and the user's own folders start empty.
class InstalledStartTest : public QObject {
    Q_OBJECT

private slots:
    void FilesLiveInTheUsersFolders();
};

void InstalledStartTest::FilesLiveInTheUsersFolders() {
    ProgramFolder root;
    const auto bin = root / "usr/bin";
    const auto templates = root / "usr/share/ht57";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(templates);
    const Bytes factory = FactoryDataFile();
    WriteFileBytes(templates / "default.dat", factory);
    WriteFileText(templates / "Program.ini", "[Setup]\nModel=HT-57\n");

    const ProgramFolders folders =
        ChooseProgramFolders(bin, root / "home/.config/ht57", root / "home/.local/share/ht57");
    QVERIFY(folders.installed);
    QVERIFY(SeedProgramFolders(folders));
    Application app(folders);
    QVERIFY(app.InitInstance());
    std::unique_ptr<CMainFrame> frame = Start(app);
    QVERIFY(frame != nullptr);

    QCOMPARE(app.Config().modelName, std::string("HT-57"));
    QVERIFY(std::filesystem::is_directory(root / "home/.local/share/ht57/Data"));
    QVERIFY(app.Data().reference == ImageOf(factory));
    QCOMPARE(app.BackupFolder(), root / "home/.local/share/ht57/Data/Backups");
    QCOMPARE(app.ResourceFolder(), templates);

    // The port goes back to the user's Program.ini, never to the template.
    app.Port().name = "/fake/ttyUSB0";
    QVERIFY(app.ExitInstance());
    QVERIFY(ReadFileText(root / "home/.config/ht57/Program.ini").find("COM=/fake/ttyUSB0") !=
            std::string::npos);
    QCOMPARE(ReadFileText(templates / "Program.ini"), std::string("[Setup]\nModel=HT-57\n"));
    QVERIFY(!std::filesystem::exists(bin / "Data"));
}

QTEST_MAIN(InstalledStartTest)
#include "InstalledStartTest.moc"
