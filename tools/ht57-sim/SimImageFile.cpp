#include "SimImageFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "model/Bcd.h"
#include "model/FileAccess.h"

namespace ht57::sim {
namespace {

struct SampleChannel {
    std::uint32_t rx;      // 10 Hz units
    std::uint32_t offset;  // 10 Hz units
    Byte rxTone;
    Byte txTone;
    Byte flags;
    const char* name;
};

// Flags: bit 0 High power, bit 1 Wide, bits 2-3 busy lock, bit 4/5 DCS
// inverted, bits 6-7 shift direction (1 plus, 2 minus).
constexpr std::array<SampleChannel, 12> kChannels{{
    {14652000, 0, 0, 0, 0x0F, "CALL"},
    {14696000, 60000, 13, 13, 0x8F, "RPT1"},
    {14700000, 60000, 20, 20, 0x4B, "RPT2"},
    {14550000, 0, 0, 0, 0x0E, "SMPX"},
    {14613000, 60000, 51, 51, 0x8F, "DCS"},
    {14733000, 60000, 51, 51, 0x7F, "DCSI"},
    {15134000, 0, 0, 0, 0x0D, "MURS"},
    {15162500, 0, 0, 0, 0x0D, "MUR5"},
    {15482500, 0, 0, 0, 0x0F, ""},
    {15675000, 0, 0, 0, 0x0F, "MAR"},
    {16242500, 0, 0, 0, 0x0C, "WX1"},
    {17400000, 0, 0, 0, 0x07, "EDGE"},
}};

constexpr std::string_view kAlphabet = "0123456789- ABCDEFGHIJKLMNOPQRSTUVWXYZ_+*";

void PutChannel(Image& image, std::size_t offset, const SampleChannel& channel) {
    WriteBcd32(&image[offset], channel.rx);
    WriteBcd32(&image[offset + 4], channel.offset);
    image[offset + 8] = channel.rxTone;
    image[offset + 9] = channel.txTone;
    image[offset + 10] = channel.flags;
    std::string_view name(channel.name);
    for (std::size_t i = 0; i < 5; ++i) {
        image[offset + 11 + i] =
            i < name.size() ? static_cast<Byte>(kAlphabet.find(name[i])) : Byte{0xFF};
    }
}

bool WriteAll(int fd, const Byte* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

Image BuiltInImage() {
    Image image;
    image.fill(0xFF);
    for (std::size_t i = 0; i < kChannels.size(); ++i) {
        PutChannel(image, ChannelOffset(static_cast<int>(i) + 1), kChannels[i]);
    }
    // Frequency mode: 155.025 MHz simplex.
    PutChannel(image, region::kFreqModeRecord, {15502500, 0, 0, 0, 0x0F, ""});
    std::fill_n(image.begin() + region::kSettings, region::kSettingsSize, Byte{0x00});
    WriteBcd16(&image[region::kLowerBandEdge], 1360);
    WriteBcd16(&image[region::kUpperBandEdge], 1740);
    image[0xFC2] = 3;     // squelch
    image[0xFC3] = 0;     // VOX off
    image[0xFC4] = 3;     // time-out timer
    image[0xFC5] = 0x89;  // channel mode, beep, save
    image[0xFC6] = 0x40;  // back light on key
    image[0xFC8] = 1;     // priority channel
    image[0xFC9] = 0;     // 5 kHz step
    image[0xFCC] = 0x00;
    image[region::kStatusByte] = 0x10;                   // VHF, receive enabled, PF3 lamp
    const std::array<Byte, 5> fm{15, 45, 80, 125, 210};  // 88.5 91.5 95.0 99.5 108.0 MHz
    std::copy(fm.begin(), fm.end(), image.begin() + region::kFm);
    const std::array<Byte, 11> dtmf{1, 2, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 5, 2, 2};
    std::copy(dtmf.begin(), dtmf.end(), image.begin() + region::kDtmf);
    const std::array<Byte, 7> calibration{40, 80, 120, 60, 110, 160, 0};
    std::copy(calibration.begin(), calibration.end(), image.begin() + region::kCalibration);
    return image;
}

std::array<Byte, kImageSize> NewDataFileHeader() {
    std::array<Byte, kImageSize> header{};
    const std::array<Byte, 16> signature{'H',  'T',  '-',  '5',  '7',  0xFF, 0xFF, 0xFF,
                                         0x56, 0x01, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(signature.begin(), signature.end(), header.begin());
    return header;
}

bool SimImageFile::IsDataFile() const {
    return header_.has_value();
}

std::optional<Image> SimImageFile::Load(std::string& error) {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) {
        if (path_.extension() == ".dat") {
            header_ = NewDataFileHeader();
        }
        return BuiltInImage();
    }
    // Folders, pipes and devices are refused without being opened: a FIFO
    // would hold the simulator waiting for a writer that never comes.
    const FileStart file = ReadFileStart(path_, kDataFileSize + 1);
    if (file.error == EISDIR) {
        error = path_.string() + ": a folder, not an image file";
        return std::nullopt;
    }
    if (file.error == EINVAL && !file.opened) {
        error = path_.string() + ": not a regular file (a pipe or a device)";
        return std::nullopt;
    }
    if (file.error != 0) {
        error = path_.string() + ": " + SystemErrorText(file.error);
        return std::nullopt;
    }
    const std::vector<Byte>& bytes = file.bytes;
    Image image;
    if (bytes.size() == kImageSize) {
        header_.reset();
        std::copy(bytes.begin(), bytes.end(), image.begin());
    } else if (bytes.size() == kDataFileSize) {
        header_.emplace();
        std::copy_n(bytes.begin(), kImageSize, header_->begin());
        std::copy_n(bytes.begin() + kImageSize, kImageSize, image.begin());
    } else {
        error = path_.string() + ": " +
                (bytes.size() > kDataFileSize ? "more than 8192" : std::to_string(bytes.size())) +
                " bytes; a radio image has 4096 and a data file 8192";
        return std::nullopt;
    }
    return image;
}

bool SimImageFile::Save(const Image& memory, std::string& error) const {
    std::vector<Byte> bytes;
    if (IsDataFile()) {
        bytes.assign(header_->begin(), header_->end());
    }
    bytes.insert(bytes.end(), memory.begin(), memory.end());

    const std::string temp = path_.string() + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = temp + ": " + std::strerror(errno);
        return false;
    }
    const bool written = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!written || ::rename(temp.c_str(), path_.c_str()) != 0) {
        error = path_.string() + ": " + std::strerror(written ? errno : savedErrno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace ht57::sim
