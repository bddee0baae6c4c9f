#include <sys/stat.h>

#include <QMdiArea>
#include <QTest>
#include <functional>
#include <string_view>

#include "FrameTestKit.h"
#include "ProbeView.h"
#include "frame/CMdiClient.h"
#include "frame/CMyChildFrame.h"
#include "frame/NavigationTree.h"

using namespace ht57;
using namespace ht57::test;

namespace {

const Bytes kSignature{'H',  'T',  '-',  '5',  '7',  0xFF, 0xFF, 0xFF,
                       0x56, 0x01, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};

// A started program on a folder of its own, with probe views.
struct Program {
    Program() {
        folder.WriteIni("[Setup]\nModel=HT-57\n");
        folder.WriteDefaultDat(factory);
        if (!app.InitInstance()) {
            qFatal("start-up failed");
        }
        frame = std::make_unique<CMainFrame>(app, ProbeRegistry(), CommandRegistry{});
        frame->show();
    }

    std::filesystem::path Data() const { return folder / "Data"; }
    int OpenViews() const { return static_cast<int>(frame->MdiClient()->subWindowList().size()); }
    ProbeView* View(ViewKind kind) const {
        CMyChildFrame* child = frame->ViewSlot(kind);
        return child == nullptr ? nullptr : static_cast<ProbeView*>(child->View());
    }

    ProgramFolder folder;
    Bytes factory = FactoryDataFile();
    Application app{folder.Path()};
    std::unique_ptr<CMainFrame> frame;
};

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t to) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
            bytes.begin() + static_cast<std::ptrdiff_t>(to)};
}

Bytes Slice(const Image& image, std::size_t from, std::size_t to) {
    return {image.begin() + static_cast<std::ptrdiff_t>(from),
            image.begin() + static_cast<std::ptrdiff_t>(to)};
}

// A data file with its own image and a header whose bytes 8 to 15 are not the
// signature's.
Bytes ForeignDataFile(const Bytes& factory) {
    Bytes bytes = factory;
    for (std::size_t i = 8; i < 16; ++i) {
        bytes[i] = static_cast<Byte>(0xA0 + i);
    }
    bytes[kImageSize + kProbeOffsetA] = 0x42;
    return bytes;
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void ModifiedDocumentAsksBeforeItGoes();
    void NewAnsweredNoChangesNothing();
    void NewAnsweredYesRestoresTheDefaults();
    void SaveAsStampsSignatureAndCarriesHeader();
    void SaveAddsExtensionAndAsksAboutTheFinalName();
    void OpenThenSaveKeepsHeaderAndUsesTheFullPath();
    void OpenAcceptsLongFilesAndSaveCutsThem();
    void OpenRefusesForeignFiles_data();
    void OpenRefusesForeignFiles();
    void SaveReportsTheSystemError();
    void CancelledSaveAsStillCommits();
    void RecentFilesOpenFromTheFileMenu();
};

void FileCommandsTest::ModifiedDocumentAsksBeforeItGoes() {
    const std::vector<std::pair<const char*, std::function<void(CMainFrame&)>>> ways{
        {"close", [](CMainFrame& frame) { frame.close(); }},
        {"new", [](CMainFrame& frame) { frame.Files().New(); }},
        {"open", [](CMainFrame& frame) { frame.Files().Open(); }},
        {"read", [](CMainFrame& frame) { frame.OnRead(); }},
        {"save", [](CMainFrame& frame) { frame.close(); }},
    };
    for (const auto& [way, run] : ways) {
        Program program;
        const auto edit = [](RadioData& data) { data.image[kProbeOffsetA] ^= 0xFF; };
        QVERIFY(program.frame->History().Apply("Edit", edit));
        program.frame->OpenView(ViewKind::RadioInfo);  // Qt's MDI area clears the mark
        QVERIFY(program.frame->isWindowModified());
        const Image before = program.app.Data().image;
        const bool save = std::string_view(way) == "save";
        const auto kept = program.Data() / "kept.dat";
        SeenMessage seen;
        ModalAnswerer answers;
        answers.Then(Press(save ? QMessageBox::Save : QMessageBox::Cancel, &seen));
        answers.Then(ChooseFile(kept));
        run(*program.frame);
        QCOMPARE(seen.text, QStringLiteral("Save changes?"));
        QCOMPARE(answers.Answered(), save ? 2 : 1);
        QCOMPARE(program.frame->isVisible(), !save);
        QVERIFY(program.app.Data().image == before);
        QCOMPARE(program.frame->isWindowModified(), !save);
        QCOMPARE(std::filesystem::exists(kept), save);
    }
}

void FileCommandsTest::NewAnsweredNoChangesNothing() {
    Program program;
    program.frame->OpenView(ViewKind::RadioInfo);
    program.app.Data().image[0x20] ^= 0xFF;
    const Image before = program.app.Data().image;
    const QString caption = program.frame->windowTitle();

    SeenMessage seen;
    ModalAnswerer answers;
    answers.Then(Press(QMessageBox::No, &seen));
    program.frame->Files().New();

    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(seen.text, QStringLiteral("Clear all data, \nWhether to continue?"));
    QCOMPARE(seen.title, QStringLiteral("HT-57"));
    QVERIFY(program.app.Data().image == before);
    QCOMPARE(program.frame->windowTitle(), caption);
    QCOMPARE(program.OpenViews(), 1);
}

void FileCommandsTest::NewAnsweredYesRestoresTheDefaults() {
    Program program;
    const Image startImage = program.app.Data().image;
    // Opened with a file whose band is UHF, so New must bring VHF limits back.
    Bytes uhf = ForeignDataFile(program.factory);
    uhf[kImageSize + region::kStatusByte] |= region::kBandFlagMask;
    const auto file = program.Data() / "uhf.dat";
    WriteFileBytes(file, uhf);
    ModalAnswerer answers;
    answers.Then(ChooseFile(file)).Then(Press(QMessageBox::Yes));
    program.frame->Files().Open();
    QCOMPARE(program.frame->PaneText(CMainFrame::kFreqPane), QStringLiteral("400-470MHz"));
    const QString opened = program.frame->windowTitle();
    program.frame->OpenView(ViewKind::RadioInfo);

    program.frame->Files().New();
    QCOMPARE(answers.Answered(), 2);
    QCOMPARE(program.OpenViews(), 0);
    QVERIFY(program.app.Data().image == startImage);
    QCOMPARE(program.frame->PaneText(CMainFrame::kFreqPane), QStringLiteral("136-174MHz"));
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("HT-57[*]"));
    QVERIFY(program.frame->Files().CurrentFile().empty());
    QCOMPARE(program.frame->Tree()->Root()->childCount(), 5);

    // Undo gives the data back to its file, redo takes the file away again.
    QUndoStack& stack = program.frame->History().Stack();
    stack.undo();
    QCOMPARE(program.frame->Files().CurrentFile(), file);
    QCOMPARE(program.frame->windowTitle(), opened);
    QVERIFY(!program.frame->isWindowModified());
    stack.redo();
    QVERIFY(program.frame->Files().CurrentFile().empty());
    QCOMPARE(program.frame->windowTitle(), QStringLiteral("HT-57[*]"));
    stack.undo();
    program.app.Data().image[kProbeOffsetA] = 0x44;
    program.frame->Files().Save();
    QCOMPARE(answers.Answered(), 2);
    QCOMPARE(ReadFileBytes(file)[kImageSize + kProbeOffsetA], Byte{0x44});
}

void FileCommandsTest::SaveAsStampsSignatureAndCarriesHeader() {
    Program program;
    program.app.Data().image[kProbeOffsetB] = 0x77;
    const auto file = program.Data() / "radio.dat";
    ModalAnswerer answers;
    answers.Then(ChooseFile(file));
    program.frame->Files().SaveAs();

    QCOMPARE(answers.Answered(), 1);
    const Bytes saved = ReadFileBytes(file);
    QCOMPARE(saved.size(), kDataFileSize);
    QCOMPARE(Slice(saved, 0, 16), kSignature);
    QCOMPARE(Slice(saved, 16, kImageSize), Slice(program.factory, 16, kImageSize));
    QCOMPARE(Slice(saved, kImageSize, kDataFileSize),
             Slice(program.app.Data().image, 0, kImageSize));
    QCOMPARE(saved[kImageSize + kProbeOffsetB], Byte{0x77});
    QCOMPARE(program.frame->windowTitle(),
             QStringLiteral("HT-57 [ %1 ][*]").arg(QString::fromStdString(file.string())));
    QCOMPARE(program.frame->Files().CurrentFile(), file);
}

void FileCommandsTest::SaveAddsExtensionAndAsksAboutTheFinalName() {
    Program program;
    const auto typed = program.Data() / "mine";
    const auto final = program.Data() / "mine.dat";

    ModalAnswerer answers;
    answers.Then(ChooseFile(typed));
    program.frame->Files().Save();
    QCOMPARE(answers.Answered(), 1);
    QVERIFY(std::filesystem::exists(final));
    QVERIFY(!std::filesystem::exists(typed));

    // The same name again: the question is about mine.dat; No returns to the
    // dialog, which is then cancelled, and the file stays as it was.
    WriteFileBytes(final, Bytes(10, 0x11));
    SeenMessage seen;
    answers.Then(ChooseFile(typed)).Then(Press(QMessageBox::No, &seen)).Then(Cancel());
    program.frame->Files().SaveAs();
    QCOMPARE(answers.Answered(), 4);
    QVERIFY(seen.text.contains(QString::fromStdString(final.string())));
    QCOMPARE(ReadFileBytes(final), Bytes(10, 0x11));

    answers.Then(ChooseFile(typed)).Then(Press(QMessageBox::Yes));
    program.frame->Files().SaveAs();
    QCOMPARE(answers.Answered(), 6);
    QCOMPARE(answers.Unexpected(), 0);
    QCOMPARE(ReadFileBytes(final).size(), kDataFileSize);
}

void FileCommandsTest::OpenThenSaveKeepsHeaderAndUsesTheFullPath() {
    Program program;
    const Bytes foreign = ForeignDataFile(program.factory);
    const auto file = program.Data() / "foreign.dat";
    WriteFileBytes(file, foreign);
    program.frame->OpenView(ViewKind::RadioInfo);

    ModalAnswerer answers;
    answers.Then(ChooseFile(file));
    program.frame->Files().Open();
    QCOMPARE(program.OpenViews(), 0);
    QCOMPARE(program.app.Data().image[kProbeOffsetA], Byte{0x42});
    QCOMPARE(program.frame->windowTitle(),
             QStringLiteral("HT-57 [ %1 ][*]").arg(QString::fromStdString(file.string())));

    // Save goes to the opened file, whatever the working directory, without
    // a dialog, a caption change or a signature stamp.
    const QString caption = program.frame->windowTitle();
    const auto elsewhere = std::filesystem::current_path();
    program.app.Data().image[kProbeOffsetA] = 0x43;
    program.frame->Files().Save();
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(std::filesystem::current_path(), elsewhere);
    const Bytes saved = ReadFileBytes(file);
    QCOMPARE(Slice(saved, 0, kImageSize), Slice(foreign, 0, kImageSize));
    QCOMPARE(saved[kImageSize + kProbeOffsetA], Byte{0x43});
    QCOMPARE(program.frame->windowTitle(), caption);

    // Save As stamps the signature over bytes 8 to 15.
    const auto copy = program.Data() / "copy.dat";
    answers.Then(ChooseFile(copy));
    program.frame->Files().SaveAs();
    const Bytes copied = ReadFileBytes(copy);
    QCOMPARE(Slice(copied, 0, 16), kSignature);
    QCOMPARE(Slice(copied, 16, kImageSize), Slice(foreign, 16, kImageSize));
}

void FileCommandsTest::OpenAcceptsLongFilesAndSaveCutsThem() {
    Program program;
    Bytes longer = ForeignDataFile(program.factory);
    longer.resize(kDataFileSize + 100, 0xEE);
    const auto file = program.Data() / "long.dat";
    WriteFileBytes(file, longer);

    ModalAnswerer answers;
    answers.Then(ChooseFile(file));
    program.frame->Files().Open();
    QCOMPARE(program.app.Data().image[kProbeOffsetA], Byte{0x42});
    program.frame->Files().Save();
    QCOMPARE(ReadFileBytes(file).size(), kDataFileSize);
}

void FileCommandsTest::OpenRefusesForeignFiles_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("badByte");  // -1: none
    QTest::addColumn<bool>("pipe");    // a named pipe instead of a file
    QTest::addColumn<QString>("message");
    QTest::newRow("byte 5 is 0x00") << 8192 << 5 << false << "File does not match";
    QTest::newRow("byte 0 differs") << 8192 << 0 << false << "File does not match";
    QTest::newRow("shorter than the check") << 7 << -1 << false << "File does not match";
    QTest::newRow("shorter than a data file") << 8191 << -1 << false << "File does not match";
    QTest::newRow("not a regular file") << 0 << -1 << true << "Invalid argument";
}

void FileCommandsTest::OpenRefusesForeignFiles() {
    QFETCH(int, length);
    QFETCH(int, badByte);
    QFETCH(bool, pipe);
    QFETCH(QString, message);

    Program program;
    program.frame->OpenView(ViewKind::RadioInfo);
    program.frame->OpenView(ViewKind::ChannelInfo);
    const Image before = program.app.Data().image;
    const QString caption = program.frame->windowTitle();

    Bytes bytes = ForeignDataFile(program.factory);
    bytes.resize(static_cast<std::size_t>(length));
    if (badByte >= 0) {
        bytes[static_cast<std::size_t>(badByte)] = 0x00;
    }
    const auto file = program.Data() / "other.dat";
    if (pipe) {
        // Never opened, so the test cannot block on it.
        QCOMPARE(::mkfifo(file.c_str(), 0600), 0);
    } else {
        WriteFileBytes(file, bytes);
    }

    SeenMessage seen;
    ModalAnswerer answers;
    answers.Then(ChooseFile(file)).Then(Press(QMessageBox::Ok, &seen));
    program.frame->Files().Open();

    QCOMPARE(answers.Answered(), 2);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Program"));
    QVERIFY(program.frame->Files().CurrentFile().empty());
    QCOMPARE(program.OpenViews(), 2);
    QVERIFY(program.app.Data().image == before);
    QCOMPARE(program.frame->windowTitle(), caption);
}

void FileCommandsTest::SaveReportsTheSystemError() {
    Program program;
    const auto folder = program.Data() / "gone";
    std::filesystem::create_directory(folder);
    const auto file = folder / "radio.dat";
    ModalAnswerer answers;
    answers.Then(ChooseFile(file));
    program.frame->Files().SaveAs();
    QVERIFY(std::filesystem::exists(file));
    const QString path = QString::fromStdString(file.string());

    // A write-protected file is refused and left as it was.
    SeenMessage seen;
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const Bytes saved = ReadFileBytes(file);
    program.app.Data().image[kProbeOffsetA] ^= 0xFF;
    answers.Then(Press(QMessageBox::Ok, &seen));
    program.frame->Files().Save();
    QCOMPARE(seen.text, QStringLiteral("Permission denied"));
    QCOMPARE(seen.detail, QStringLiteral("Cannot write %1").arg(path));
    QCOMPARE(ReadFileBytes(file), saved);

    std::filesystem::remove_all(folder);
    answers.Then(Press(QMessageBox::Ok, &seen));
    program.frame->Files().Save();
    QCOMPARE(seen.title, QStringLiteral("Program"));
    QCOMPARE(seen.text, QStringLiteral("No such file or directory"));
    QVERIFY(seen.detail.contains(path));
    QVERIFY(!std::filesystem::exists(folder));
}

void FileCommandsTest::CancelledSaveAsStillCommits() {
    Program program;
    program.frame->OpenView(ViewKind::RadioInfo);
    ProbeView* view = program.View(ViewKind::RadioInfo);
    QVERIFY(view != nullptr);
    view->Editor()->setText(QStringLiteral("99"));
    emit view->Editor()->editingFinished();

    ModalAnswerer answers;
    answers.Then(Cancel());
    program.frame->Files().SaveAs();
    QCOMPARE(answers.Answered(), 1);
    QCOMPARE(program.app.Data().image[kProbeOffsetA], Byte{99});
}

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"

void FileCommandsTest::RecentFilesOpenFromTheFileMenu() {
    Program program;
    ModalAnswerer answers;
    for (const char* name : {"first.dat", "gone.dat"}) {
        WriteFileBytes(program.Data() / name, ForeignDataFile(program.factory));
        answers.Then(ChooseFile(program.Data() / name));
        program.frame->Files().Open();
    }
    answers.Then(ChooseFile(program.Data() / "saved.dat"));
    program.frame->Files().SaveAs();
    std::filesystem::remove(program.Data() / "gone.dat");
    QVERIFY(program.folder.Ini().find("saved.dat") != std::string::npos);

    const auto shown = [&program] {
        program.frame->UpdateRecentFiles();
        QStringList texts;
        for (QAction* action : program.frame->RecentFileActions()) {
            texts << action->text().section(QLatin1Char('/'), -1);
        }
        return texts;
    };
    QCOMPARE(shown(), QStringList({"saved.dat", "gone.dat", "first.dat"}));
    QVERIFY(program.frame->RecentFileActions()[0]->text().startsWith("&1 "));

    // A file that has gone is told about and leaves the list.
    SeenMessage seen;
    answers.Then(Press(QMessageBox::Ok, &seen));
    program.frame->RecentFileActions()[1]->trigger();
    QVERIFY2(seen.text.contains("No such file"), qPrintable(seen.text));
    QCOMPARE(shown(), QStringList({"saved.dat", "first.dat"}));

    program.frame->RecentFileActions()[1]->trigger();
    QCOMPARE(program.frame->Files().CurrentFile(), program.Data() / "first.dat");
    QCOMPARE(shown(), QStringList({"first.dat", "saved.dat"}));
}
