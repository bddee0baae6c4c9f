#include <gtest/gtest.h>

#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/DataFile.h"
#include "model/Normalise.h"

namespace ht57 {
namespace {

const std::filesystem::path kDefaultFile = std::filesystem::path(HT57_BIN_DIR) / "default.dat";

// The generated default.dat as start-up and New would load it.
RadioData Factory() {
    RadioData data;
    EXPECT_TRUE(LoadReferenceImage(kDefaultFile, data.reference));
    EXPECT_TRUE(LoadDefaultData(kDefaultFile, data));
    data.RecomputeLimits();
    return data;
}

TEST(FactoryDefault, IsASignedDataFileOfTheVhfRadio) {
    ASSERT_EQ(std::filesystem::file_size(kDefaultFile), kDataFileSize);
    RadioData data;
    ASSERT_TRUE(ReadDataFile(kDefaultFile, data));
    EXPECT_TRUE(std::equal(kFileSignature.begin(), kFileSignature.end(), data.header.begin()));
    EXPECT_EQ(BandFlag(data.image), 0);
    EXPECT_EQ(ReadBcd16(&data.image[0xFA0]), 1360u);
    EXPECT_EQ(ReadBcd16(&data.image[0xFA2]), 1740u);
    EXPECT_EQ(data.image, Factory().reference);
}

TEST(FactoryDefault, IsAlreadyNormal) {
    RadioData data = Factory();
    const Image before = data.image;
    data.Normalise();
    EXPECT_EQ(data.image, before);
}

TEST(FactoryDefault, ValuesWithinTheirRanges) {
    const RadioData data = Factory();
    const Image& image = data.image;
    const ChannelRecord reference = ReadChannel(image, 1);
    EXPECT_TRUE(IsChannelInUse(reference, data.limits));
    EXPECT_EQ(reference[record::kFlags], 0x0F);
    int inUse = 0;
    for (int n = 1; n <= region::kChannelCount; ++n) {
        inUse += IsChannelInUse(ReadChannel(image, n), data.limits) ? 1 : 0;
    }
    EXPECT_GE(inUse, 3);
    EXPECT_TRUE(IsChannelInUse(ReadChannel(image, image[0xFC8]), data.limits));

    const std::uint32_t frequencyMode = ReadBcd32(&image[region::kFreqModeRecord]);
    EXPECT_GE(frequencyMode, data.limits.lower);
    EXPECT_LE(frequencyMode, data.limits.upper);

    EXPECT_LE(image[0xFC2], 9);      // squelch
    EXPECT_LE(image[0xFC3], 9);      // VOX
    EXPECT_LE(image[0xFC4], 7);      // TOT
    EXPECT_LE(image[0xFC9], 5);      // step
    EXPECT_LE(image[0xFC6] & 3, 3);  // PTT ID
    EXPECT_LE((image[0xFC6] >> 4) & 3, 2);
    EXPECT_LE(image[0xFC6] >> 6, 2);
    EXPECT_LE(image[0xFCE] & 7, 4);  // PF3
    EXPECT_LE(image[0xFE8], 89);     // first digit delay
    EXPECT_LE(image[0xFE9], 254);
    EXPECT_LE(image[0xFEA], 254);
    for (std::size_t k = 0; k < region::kFmSize; ++k) {
        EXPECT_EQ(image[region::kFm + k], 0xFF);
    }
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_GE(image[region::kCalibration + k], 1);
        EXPECT_LE(image[region::kCalibration + k], 250);
    }
    EXPECT_LE(image[region::kCalibration + 6], 5);
}

}  // namespace
}  // namespace ht57
