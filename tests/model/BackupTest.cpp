#include <gtest/gtest.h>

#include <unistd.h>

#include "TempFolder.h"
#include "model/Backup.h"

namespace ht57 {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr LocalTime kNoon{2024, 5, 1, 12, 3, 9};

std::span<const Byte> AsBytes(const std::string& text) {
    return {reinterpret_cast<const Byte*>(text.data()), text.size()};
}

TEST(BackupFileName, ModelMadeSafeThenDateAndTime) {
    const struct {
        std::string model;
        int copy;
        const char* expected;
    } cases[] = {
        {"HT-57", 1, "HT-57_2024-05-01_12-03-09.dat"},
        {"", 1, "HT-57_2024-05-01_12-03-09.dat"},
        {"HT-57", 2, "HT-57_2024-05-01_12-03-09-2.dat"},
        {"a/b\\c:d*e?f\"g<h>i|j", 1, "a_b_c_d_e_f_g_h_i_j_2024-05-01_12-03-09.dat"},
        {"..\\..\\evil", 1, "_.._evil_2024-05-01_12-03-09.dat"},
        {"RDX (UHF) v1.2+", 1, "RDX (UHF) v1.2+_2024-05-01_12-03-09.dat"},
        {"tab\there. ", 1, "tab_here_2024-05-01_12-03-09.dat"},
        {"\xC3\x84rger", 1, "__rger_2024-05-01_12-03-09.dat"},
        {"...", 1, "HT-57_2024-05-01_12-03-09.dat"},
        {std::string(300, 'x'), 1, nullptr},
    };
    for (const auto& c : cases) {
        const std::string name = BackupFileName(c.model, kNoon, c.copy);
        if (c.expected) {
            EXPECT_EQ(name, c.expected) << c.model;
        } else {
            EXPECT_LT(name.size(), 100u);
        }
    }
}

TEST(WriteBackup, NewFilesOnlyAndNoneLeftHalfWritten) {
    TempFolder temp;
    const auto folder = temp.Path() / "Data" / "Backups";
    const std::string first(8192, '\x11');
    const std::string second(8192, '\x22');

    const BackupOutcome a = WriteBackup(folder, "HT-57", kNoon, AsBytes(first));
    ASSERT_TRUE(a.result) << a.result.message;
    EXPECT_EQ(a.file, folder / "HT-57_2024-05-01_12-03-09.dat");
    EXPECT_EQ(ReadBytes(a.file), first);

    // Same second: the first backup is kept, the second takes the next name.
    WriteBytes(folder / "HT-57_2024-05-01_12-03-09-2.dat", "someone else's");
    const BackupOutcome b = WriteBackup(folder, "HT-57", kNoon, AsBytes(second));
    ASSERT_TRUE(b.result) << b.result.message;
    EXPECT_EQ(b.file, folder / "HT-57_2024-05-01_12-03-09-3.dat");
    EXPECT_EQ(ReadBytes(a.file), first);
    EXPECT_EQ(ReadBytes(folder / "HT-57_2024-05-01_12-03-09-2.dat"), "someone else's");
    EXPECT_EQ(ReadBytes(b.file), second);

    // A data folder that is a file: reported with the system's words.
    WriteBytes(temp / "blocked", "x");
    const BackupOutcome c =
        WriteBackup(temp / "blocked" / "Backups", "HT-57", kNoon, AsBytes(first));
    EXPECT_FALSE(c.result);
    EXPECT_FALSE(c.result.message.empty());
    EXPECT_NE(c.result.detail.find("blocked"), std::string::npos);
    EXPECT_TRUE(c.file.empty());
}

TEST(WriteBackup, UnwritableFolderIsReportedAndLeftEmpty) {
    TempFolder temp;
    std::filesystem::create_directories(temp / "ro");
    std::filesystem::permissions(
        temp / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access((temp / "ro").c_str(), W_OK) == 0) {
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    const BackupOutcome outcome = WriteBackup(temp / "ro", "HT-57", kNoon, AsBytes("x"));
    EXPECT_FALSE(outcome.result);
    EXPECT_TRUE(std::filesystem::is_empty(temp / "ro"));
}

}  // namespace
}  // namespace ht57
