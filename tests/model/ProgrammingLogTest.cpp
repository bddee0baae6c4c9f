#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "model/ProgrammingLog.h"
#include "model/Sha256.h"

namespace ht57 {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

std::span<const Byte> AsBytes(const std::string& text) {
    return {reinterpret_cast<const Byte*>(text.data()), text.size()};
}

std::string Hex(const Sha256::Digest& digest) {
    std::string text;
    for (const Byte b : digest) {
        text += "0123456789abcdef"[b >> 4];
        text += "0123456789abcdef"[b & 0x0F];
    }
    return text;
}

TEST(Sha256, PublishedVectorsAndEveryPaddingCase) {
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopq"
         "rlmnopqrsmnopqrstnopqrstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1'000'000, 'a'),
         "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        // Lengths either side of the 56 bytes that leave room for the length.
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {std::string(63, 'a'), "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {std::string(65, 'a'), "635361c48bb9eab14198e76ea8ab7f1a41685d6ad62aa9146d301d4f17eb0ae0"},
        {std::string(120, 'a'), "2f3d335432c70b580af0e8e1b3674a7c020d683aa5f73aaaedfdc55af904c21c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.size());
        EXPECT_EQ(Sha256Hex(AsBytes(c.message)), c.digest);
        // Fed in pieces that straddle the 64-byte blocks, the digest is the same.
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{100}}) {
            Sha256 hash;
            for (std::size_t at = 0; at < c.message.size(); at += piece) {
                hash.Add(AsBytes(c.message.substr(at, piece)));
            }
            EXPECT_EQ(Hex(hash.Finish()), c.digest) << piece;
        }
    }
}

TEST(ProgrammingLog, RowsInTheLogsOwnWords) {
    Image image{};
    image.fill(0x11);
    Image otherCalibration = image;
    otherCalibration[region::kWriteEnd] = 0x22;
    EXPECT_EQ(WrittenBytesDigest(image), Sha256Hex(std::span<const Byte>(image.data(), 0xFF0)));
    EXPECT_EQ(WrittenBytesDigest(otherCalibration), WrittenBytesDigest(image))
        << "the calibration block is never written";

    const struct {
        LocalTime time;
        const char* text;
    } times[] = {
        {{2024, 5, 1, 12, 3, 9, 120}, "2024-05-01T12:03:09+02:00"},
        {{2026, 12, 31, 23, 59, 59, 0}, "2026-12-31T23:59:59+00:00"},
        {{2025, 1, 2, 3, 4, 5, -570}, "2025-01-02T03:04:05-09:30"},
    };
    for (const auto& t : times) {
        EXPECT_EQ(Iso8601(t.time), t.text);
    }
    EXPECT_EQ(RadioOutcomeText(RadioResult::Verified), "verified");
    EXPECT_EQ(RadioOutcomeText(RadioResult::Written, "ignored"), "written");
    EXPECT_EQ(RadioOutcomeText(RadioResult::Failed, "Communication error"),
              "failed: Communication error");

    EXPECT_EQ(ProgrammingLogHeader(), "Time,Port,Data file,SHA-256,Outcome\r\n");
    EXPECT_EQ(ProgrammingLogLine({"2024-05-01T12:03:09+02:00", "/fake/ttyUSB0", "shop, north.dat",
                                  "ab12", "failed: Communication error"}),
              "2024-05-01T12:03:09+02:00,/fake/ttyUSB0,\"shop, north.dat\",ab12,"
              "failed: Communication error\r\n");
}

TEST(ProgrammingLog, AppendsUnderOneHeaderFromManyThreads) {
    TempFolder folder;
    ProgrammingLog log(folder / "log.csv");
    ASSERT_TRUE(log.Check());
    EXPECT_TRUE(ReadBytes(log.File()).empty()) << "checking creates the file, adds nothing";

    constexpr int kThreads = 6;
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&log, i] {
            const std::string port = "/fake/ttyUSB" + std::to_string(i);
            EXPECT_TRUE(log.Append({"t", port, "f.dat", "d", "written"}));
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    ProgrammingLog again(folder / "log.csv");
    ASSERT_TRUE(again.Append({"t", "last", "f.dat", "d", "verified"}));

    const std::string text = ReadBytes(log.File());
    std::string expected = ProgrammingLogHeader();
    for (int i = 0; i < kThreads; ++i) {
        const std::string row =
            ProgrammingLogLine({"t", "/fake/ttyUSB" + std::to_string(i), "f.dat", "d", "written"});
        EXPECT_NE(text.find(row), std::string::npos) << i;
        expected += row;
    }
    const std::string last = ProgrammingLogLine({"t", "last", "f.dat", "d", "verified"});
    expected += last;
    EXPECT_TRUE(text.starts_with(ProgrammingLogHeader()));
    EXPECT_TRUE(text.ends_with(last));
    EXPECT_EQ(text.size(), expected.size()) << "one header, seven whole rows";

    const ProgrammingLog nowhere(folder / "missing" / "log.csv");
    const Result refused = nowhere.Check();
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.detail.find("log.csv"), std::string::npos);
}

}  // namespace
}  // namespace ht57
