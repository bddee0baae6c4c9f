#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "TempFolder.h"
#include "model/DataFile.h"
#include "model/FileAccess.h"

namespace ht57 {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A data file of `size` bytes: the signature, then a counting pattern.
std::string FileOfSize(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i < kFileSignature.size() ? kFileSignature[i] : i * 7 + 3);
    }
    return bytes;
}

std::span<const Byte> AsBytes(const std::string& text) {
    return {reinterpret_cast<const Byte*>(text.data()), text.size()};
}

// A data set whose three blocks are easy to tell apart.
RadioData Marked() {
    RadioData data;
    data.image.fill(0xA5);
    data.header.fill(0x5A);
    data.reference.fill(0x11);
    return data;
}

void ExpectSame(const RadioData& a, const RadioData& b) {
    EXPECT_EQ(a.image, b.image);
    EXPECT_EQ(a.header, b.header);
    EXPECT_EQ(a.reference, b.reference);
}

TEST(ApplyDataFile, HeaderAndImageFromTheFileBytesPastADataFileIgnored) {
    for (std::size_t size : {8192u, 9000u}) {
        const std::string file = FileOfSize(size);
        RadioData data = Marked();
        ASSERT_TRUE(ApplyDataFile(AsBytes(file), data)) << size;
        for (std::size_t i = 0; i < kImageSize; ++i) {
            ASSERT_EQ(data.header[i], i < size ? static_cast<Byte>(file[i]) : 0)
                << size << " " << i;
            const std::size_t at = kImageSize + i;
            ASSERT_EQ(data.image[i], at < size ? static_cast<Byte>(file[at]) : 0xA5)
                << size << " " << i;
        }
        EXPECT_EQ(data.reference, Marked().reference);
    }
}

TEST(ApplyDataFile, OnlyTheFirstEightBytesAreChecked) {
    const struct {
        std::size_t at;
        char value;
        bool accepted;
    } cases[] = {
        {0, 'h', false}, {4, '8', false},  {5, '\0', false}, {7, '\xFE', false},
        {8, '\0', true}, {12, '\0', true}, {15, 'x', true},
    };
    for (const auto& c : cases) {
        std::string file = FileOfSize(kDataFileSize);
        file[c.at] = c.value;
        RadioData data = Marked();
        const Result result = ApplyDataFile(AsBytes(file), data);
        EXPECT_EQ(result.ok, c.accepted) << c.at;
        if (c.accepted) {
            EXPECT_EQ(data.header[c.at], static_cast<Byte>(c.value));
        } else {
            EXPECT_EQ(result.message, "File does not match");
            ExpectSame(data, Marked());
        }
    }
}

TEST(ApplyDataFile, FileShorterThanADataFileDoesNotMatch) {
    const std::string full = FileOfSize(kDataFileSize);
    for (std::size_t size : {0u, 7u, 8u, 100u, 4096u, 4097u, 8191u}) {
        RadioData data = Marked();
        const Result result = ApplyDataFile(AsBytes(full.substr(0, size)), data);
        EXPECT_EQ(result.message, "File does not match") << size;
        if (size >= kCheckedSignatureLength) {
            EXPECT_EQ(result.detail, std::to_string(size) + " bytes long instead of 8192");
        }
        ExpectSame(data, Marked());
    }
}

TEST(DataFileBytes, HeaderThenImageStampedOnRequest) {
    RadioData data = Marked();
    const auto plain = DataFileBytes(data, SignatureStamp::Keep);
    const auto stamped = DataFileBytes(data, SignatureStamp::Stamp);
    for (std::size_t i = 0; i < kDataFileSize; ++i) {
        const Byte expected = i < kImageSize ? 0x5A : 0xA5;
        ASSERT_EQ(plain[i], expected) << i;
        ASSERT_EQ(stamped[i], i < kFileSignature.size() ? kFileSignature[i] : expected) << i;
    }
    const Byte signature[] = {'H',  'T',  '-',  '5',  '7',  0xFF, 0xFF, 0xFF,
                              0x56, 0x01, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), stamped.begin()));
}

class DataFileOnDisk : public ::testing::Test {
protected:
    TempFolder folder_;
};

TEST_F(DataFileOnDisk, SaveAndOpenAgain) {
    const fs::path file = folder_ / "radio.dat";
    RadioData saved = Marked();
    ASSERT_TRUE(WriteDataFile(file, saved, SignatureStamp::Stamp));
    EXPECT_TRUE(std::equal(kFileSignature.begin(), kFileSignature.end(), saved.header.begin()));
    EXPECT_EQ(fs::file_size(file), kDataFileSize);

    RadioData opened;
    ASSERT_TRUE(ReadDataFile(file, opened));
    EXPECT_EQ(opened.image, saved.image);
    EXPECT_EQ(opened.header, saved.header);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"radio.dat"});
}

TEST_F(DataFileOnDisk, PlainSaveKeepsTheHeaderAsOpened) {
    const fs::path file = folder_ / "radio.dat";
    std::string original = FileOfSize(kDataFileSize + 100);
    original[9] = '\x77';
    WriteBytes(file, original);
    RadioData data;
    ASSERT_TRUE(ReadDataFile(file, data));

    ASSERT_TRUE(WriteDataFile(file, data, SignatureStamp::Keep));
    EXPECT_EQ(ReadBytes(file), original.substr(0, kDataFileSize));

    ASSERT_TRUE(WriteDataFile(file, data, SignatureStamp::Stamp));
    EXPECT_EQ(ReadBytes(file)[9], '\x01');
}

TEST_F(DataFileOnDisk, FailuresLeaveDataAndFilesAlone) {
    WriteBytes(folder_ / "plain", "x");
    fs::create_directory(folder_ / "dir.dat");
    WriteBytes(folder_ / "other.dat", std::string(kDataFileSize, 'z'));
    const struct {
        fs::path file;
        const char* readMessage;
        const char* writeMessage;
    } cases[] = {
        {folder_ / "missing" / "a.dat", "No such file or directory", "No such file or directory"},
        {folder_ / "plain" / "a.dat", "Not a directory", "Not a directory"},
        {folder_ / "dir.dat", "Is a directory", "Is a directory"},
        {folder_ / "other.dat", "File does not match", nullptr},
    };
    for (const auto& c : cases) {
        RadioData data = Marked();
        const Result read = ReadDataFile(c.file, data);
        EXPECT_EQ(read.message, c.readMessage) << c.file;
        EXPECT_NE(read.detail.find(c.file.filename().string()), std::string::npos) << read.detail;
        ExpectSame(data, Marked());
        if (c.writeMessage != nullptr) {
            const Result write = WriteDataFile(c.file, data, SignatureStamp::Stamp);
            EXPECT_EQ(write.message, c.writeMessage) << c.file;
            ExpectSame(data, Marked());  // not even the header is stamped
        }
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "dir.dat"));
    EXPECT_EQ(ReadBytes(folder_ / "plain"), "x");
}

TEST_F(DataFileOnDisk, WriteThatFailsHalfwayKeepsTheOldFile) {
    const fs::path file = folder_ / "radio.dat";
    const std::string old = FileOfSize(kDataFileSize);
    WriteBytes(file, old);

    // Files may not grow past 1000 bytes while the limit holds.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    RadioData data = Marked();
    const Result result = WriteDataFile(file, data, SignatureStamp::Stamp);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "File too large");
    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"radio.dat"});
    ExpectSame(data, Marked());
}

// A save killed halfway (here by the file size limit's signal) leaves the old
// file and no temporary file under any name, where the file system can make
// a file without one.
TEST_F(DataFileOnDisk, KilledSaveLeavesNothingBehind) {
#ifdef __linux__
    const int probe = ::open(folder_.Path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (probe < 0) {
        GTEST_SKIP() << "no unnamed files on this file system";
    }
    ::close(probe);
    const fs::path file = folder_ / "radio.dat";
    const std::string old = FileOfSize(kDataFileSize);
    WriteBytes(file, old);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &small);
        RadioData data = Marked();
        (void)WriteDataFile(file, data, SignatureStamp::Stamp);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not killed";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"radio.dat"});
#else
    GTEST_SKIP() << "needs fork and unnamed files";
#endif
}

TEST_F(DataFileOnDisk, ProtectionsAndLeftOversOfEarlierSaves) {
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms folderReadOnly = readOnly | fs::perms::owner_exec;
    const struct {
        const char* what;
        fs::perms filePerms;
        fs::perms folderPerms;
        const char* message;  // nullptr: saved
    } cases[] = {
        {"write-protected file", readOnly, fs::perms::owner_all, "Permission denied"},
        {"writable file, read-only folder", fs::perms::owner_read | fs::perms::owner_write,
         folderReadOnly, nullptr},
        {"plain save", fs::perms::owner_read | fs::perms::owner_write, fs::perms::owner_all,
         nullptr},
    };
    const std::string stale = ".radio.dat.0123456789abcdef.tmp";
    const std::vector<std::string> kept{".other.dat.0123456789abcdef.tmp", ".radio.dat.x.tmp"};
    for (const auto& c : cases) {
        TempFolder folder;
        const fs::path file = folder / "radio.dat";
        const std::string old(kDataFileSize, 'o');
        WriteBytes(file, old);
        for (const std::string& name : {stale, kept[0], kept[1]}) {
            WriteBytes(folder / name, "left");
        }
        fs::permissions(file, c.filePerms);
        fs::permissions(folder.Path(), c.folderPerms);
        RadioData data = Marked();
        const Result result = WriteDataFile(file, data, SignatureStamp::Keep);
        fs::permissions(folder.Path(), fs::perms::owner_all);

        EXPECT_EQ(result.ok, c.message == nullptr) << c.what;
        if (c.message != nullptr) {
            EXPECT_EQ(result.message, c.message) << c.what;
            EXPECT_NE(result.detail.find(file.string()), std::string::npos) << result.detail;
            EXPECT_EQ(ReadBytes(file), old) << c.what;
            continue;
        }
        const auto saved = DataFileBytes(data, SignatureStamp::Keep);
        EXPECT_EQ(ReadBytes(file), std::string(saved.begin(), saved.end())) << c.what;
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, c.filePerms) << c.what;
        const std::vector<std::string> entries = folder.Entries();
        EXPECT_EQ(std::count(entries.begin(), entries.end(), stale),
                  c.folderPerms == fs::perms::owner_all ? 0 : 1)
            << c.what;
        for (const std::string& name : kept) {
            EXPECT_EQ(std::count(entries.begin(), entries.end(), name), 1) << c.what << name;
        }
    }
}

TEST_F(DataFileOnDisk, LoadDefaultDataTakesAnyFile) {
    const fs::path file = folder_ / "default.dat";
    const struct {
        std::string contents;
        bool present;
    } cases[] = {
        {"", false},
        {std::string(kDataFileSize, '\x42'), true},
        {std::string(5000, '\x42'), true},
        {std::string(10, '\x42'), true},
    };
    for (const auto& c : cases) {
        fs::remove(file);
        if (c.present) {
            WriteBytes(file, c.contents);
        }
        RadioData data = Marked();
        EXPECT_EQ(LoadDefaultData(file, data), c.present);
        const std::size_t size = c.contents.size();
        for (std::size_t i = 0; i < kImageSize; ++i) {
            const Byte header = !c.present ? 0x5A : i < size ? 0x42 : 0;
            ASSERT_EQ(data.header[i], header) << size << " " << i;
            ASSERT_EQ(data.image[i], kImageSize + i < size ? 0x42 : 0xFF) << size << " " << i;
        }
    }
}

TEST_F(DataFileOnDisk, ReferenceImageNeedsExactly8192Bytes) {
    const fs::path file = folder_ / "default.dat";
    const struct {
        std::size_t size;
        bool present;
        bool accepted;
    } cases[] = {
        {0, false, true},    {0, true, false},   {8191, true, false},   {8193, true, false},
        {4096, true, false}, {8192, true, true}, {100000, true, false},
    };
    for (const auto& c : cases) {
        fs::remove(file);
        std::string contents(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i) {
            contents[i] = static_cast<char>(i / 4096 + 1);  // first half 1, second half 2
        }
        if (c.present) {
            WriteBytes(file, contents);
        }
        Image reference{};
        const Result result = LoadReferenceImage(file, reference);
        EXPECT_EQ(result.ok, c.accepted) << c.size;
        Image expected{};
        if (c.present && c.accepted) {
            expected.fill(2);
        }
        EXPECT_EQ(reference, expected) << c.size;
        if (!c.accepted) {
            EXPECT_EQ(result.message, "文件格式不对！");
            EXPECT_NE(result.detail.find(std::to_string(c.size)), std::string::npos);
        }
    }
    fs::remove(file);
    fs::create_directory(file);
    Image reference{};
    EXPECT_TRUE(LoadReferenceImage(file, reference));
    EXPECT_EQ(reference, Image{});
}

TEST(SystemErrorText, SystemTextOrOurOwn) {
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(SystemErrorText(EACCES), "Permission denied");
    EXPECT_EQ(SystemErrorText(0), "Sorry, error not find.");
    EXPECT_EQ(SystemErrorText(987654), "Sorry, error not find.");
    EXPECT_EQ(SystemErrorText(-5), "Sorry, error not find.");
}

}  // namespace
}  // namespace ht57
