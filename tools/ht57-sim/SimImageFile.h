#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "model/Image.h"

namespace ht57::sim {

// Where the simulated radio keeps its memory between runs: a raw 4096-byte
// image, or an 8192-byte data file whose second half is the image. A data
// file keeps its first half when the memory is saved into it.
class SimImageFile {
public:
    static constexpr std::size_t kDataFileSize = 2 * kImageSize;

    explicit SimImageFile(std::filesystem::path path) : path_(std::move(path)) {}

    // Reads the memory. A missing file gives the built-in image (the file is
    // created at the first save); a file of any other size than the two
    // accepted ones is an error, described in `error`.
    std::optional<Image> Load(std::string& error);

    // Writes the memory so that the file is always either old or new whole.
    bool Save(const Image& memory, std::string& error) const;

    const std::filesystem::path& Path() const { return path_; }

private:
    bool IsDataFile() const;

    std::filesystem::path path_;
    std::optional<std::array<Byte, kImageSize>> header_;
};

// A VHF radio with a dozen channels, band edges 136 to 174 MHz, a few FM
// presets and calibration values, as a radio might come from the dealer.
Image BuiltInImage();

// The 16-byte signature a data file starts with, for files created here.
std::array<Byte, kImageSize> NewDataFileHeader();

}  // namespace ht57::sim
