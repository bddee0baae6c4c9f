#include "model/DataFile.h"

#include <algorithm>
#include <cerrno>

#include "model/FileAccess.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

// Header block from the first half, zero where the contents end early; image
// bytes from the second half, unchanged where the contents end early.
void CopyHalves(std::span<const Byte> contents, Image& header, Image& image) {
    contents = contents.first(std::min(contents.size(), kDataFileSize));
    const std::size_t headerBytes = std::min(contents.size(), kImageSize);
    header.fill(0);
    std::copy_n(contents.begin(), headerBytes, header.begin());
    const auto rest = contents.subspan(headerBytes);
    std::copy(rest.begin(), rest.end(), image.begin());
}

Result ReadFailure(const std::filesystem::path& file, int error) {
    return Result::Failure(SystemErrorText(error),
                           Fill(Msg("Model", "Cannot read %1"), file.string()));
}

}  // namespace

Result ApplyDataFile(std::span<const Byte> contents, RadioData& data) {
    if (contents.size() < kCheckedSignatureLength ||
        !std::equal(kFileSignature.begin(), kFileSignature.begin() + kCheckedSignatureLength,
                    contents.begin())) {
        return Result::Failure(Fill(kFileDoesNotMatchText), Fill(Msg("Model", "Not a data file")));
    }
    // A short file would leave the rest of the image as it was: a mix of two
    // files that a save would then write back whole.
    if (contents.size() < kDataFileSize) {
        return Result::Failure(
            Fill(kFileDoesNotMatchText),
            Fill(Msg("Model", "%1 bytes long instead of %2"), contents.size(), kDataFileSize));
    }
    CopyHalves(contents, data.header, data.image);
    return Result::Success();
}

Result ReadDataFile(const std::filesystem::path& file, RadioData& data) {
    const FileStart start = ReadFileStart(file, kDataFileSize);
    if (!start.opened || start.error != 0) {
        return ReadFailure(file, start.error);
    }
    Result result = ApplyDataFile(start.bytes, data);
    if (!result) {
        result.detail =
            start.bytes.size() < kDataFileSize && start.bytes.size() >= kCheckedSignatureLength
                ? Fill(Msg("Model", "%1 is %2"), file.string(), result.detail)
                : Fill(Msg("Model", "%1 is not a data file"), file.string());
    }
    return result;
}

std::array<Byte, kDataFileSize> DataFileBytes(const RadioData& data, SignatureStamp stamp) {
    std::array<Byte, kDataFileSize> bytes;
    std::copy(data.header.begin(), data.header.end(), bytes.begin());
    if (stamp == SignatureStamp::Stamp) {
        std::copy(kFileSignature.begin(), kFileSignature.end(), bytes.begin());
    }
    std::copy(data.image.begin(), data.image.end(), bytes.begin() + kImageSize);
    return bytes;
}

Result WriteDataFile(const std::filesystem::path& file, RadioData& data, SignatureStamp stamp) {
    const std::array<Byte, kDataFileSize> bytes = DataFileBytes(data, stamp);
    Result result = WriteFileAtomically(file, bytes);
    if (result && stamp == SignatureStamp::Stamp) {
        std::copy(kFileSignature.begin(), kFileSignature.end(), data.header.begin());
    }
    return result;
}

bool LoadDefaultData(const std::filesystem::path& file, RadioData& data) {
    data.image.fill(0xFF);
    const FileStart start = ReadFileStart(file, kDataFileSize);
    if (!start.opened || start.error != 0) {
        return false;
    }
    CopyHalves(start.bytes, data.header, data.image);
    return true;
}

Result LoadReferenceImage(const std::filesystem::path& file, Image& reference) {
    // One byte more than a data file, to see that a file is too long.
    const FileStart start = ReadFileStart(file, kDataFileSize + 1);
    if (!start.opened) {
        return Result::Success();
    }
    if (start.error != 0) {
        return ReadFailure(file, start.error);
    }
    if (start.bytes.size() != kDataFileSize) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(file, ec);
        return Result::Failure(Fill(kWrongFormatText),
                               ec ? Fill(Msg("Model", "%1 is not bytes long instead of %2"),
                                         file.string(), kDataFileSize)
                                  : Fill(Msg("Model", "%1 is %2 bytes long instead of %3"),
                                         file.string(), size, kDataFileSize));
    }
    std::copy(start.bytes.begin() + kImageSize, start.bytes.end(), reference.begin());
    return Result::Success();
}

}  // namespace ht57
