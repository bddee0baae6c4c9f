#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>

#include "model/Image.h"
#include "model/RadioData.h"
#include "model/Result.h"
#include "model/UserText.h"

namespace ht57 {

// A data file is the header block followed by the radio image.
inline constexpr std::size_t kDataFileSize = 2 * kImageSize;

// Written into the first 16 header bytes by a save through a file dialog;
// only the first 8 are checked when a file is opened.
inline constexpr std::array<Byte, 16> kFileSignature{
    'H', 'T', '-', '5', '7', 0xFF, 0xFF, 0xFF, 0x56, 0x01, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
inline constexpr std::size_t kCheckedSignatureLength = 8;

// The factory data file in the program folder.
inline constexpr std::string_view kDefaultDataFileName = "default.dat";

inline constexpr const char* kFileDoesNotMatchText = Msg("Model", "File does not match");
// "The file format is wrong!", shown when default.dat is not 8192 bytes long.
inline constexpr const char* kWrongFormatText = Msg("Model", "文件格式不对！");

enum class SignatureStamp { Keep, Stamp };

// Takes the contents of an opened data file into the data set. The file must
// begin with the checked part of the signature and be at least 8192 bytes
// long, or it does not match. The header block becomes the first 4096 bytes,
// the image the next 4096. Bytes past 8192 are ignored. On failure nothing
// changes.
Result ApplyDataFile(std::span<const Byte> contents, RadioData& data);

// Opens a data file and applies it; nothing changes when it cannot be read.
Result ReadDataFile(const std::filesystem::path& file, RadioData& data);

// The 8192 bytes a save writes: the header block, with the signature in its
// first 16 bytes when stamped, then the image.
std::array<Byte, kDataFileSize> DataFileBytes(const RadioData& data, SignatureStamp stamp);

// Writes the data set to a file atomically. A stamped save also stamps the
// header block in memory, but only once the file is written.
Result WriteDataFile(const std::filesystem::path& file, RadioData& data, SignatureStamp stamp);

// New and the main window's creation: the image is filled with 0xFF, then the
// default data file, whatever its contents, supplies the header block and the
// image as ApplyDataFile would without the signature check. Returns false when
// the file could not be read; the image then stays all 0xFF and the header
// block keeps its contents.
bool LoadDefaultData(const std::filesystem::path& file, RadioData& data);

// Start-up: the second half of the default data file becomes the reference
// image. An absent (or unopenable) file is no error and leaves the reference
// as it was; a file of any length but 8192 bytes fails with kWrongFormatText.
Result LoadReferenceImage(const std::filesystem::path& file, Image& reference);

}  // namespace ht57
