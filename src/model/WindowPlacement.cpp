#include "model/WindowPlacement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace ht57 {
namespace {

constexpr std::string_view kFrameKey = "Frame";
constexpr std::string_view kClientKey = "Client";
constexpr std::string_view kMaximisedKey = "Maximized";

// "a,b,c" into exactly N integers.
template <std::size_t N>
std::optional<std::array<int, N>> ParseNumbers(std::string_view text) {
    std::array<int, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == N;
        if (last != (comma == std::string_view::npos)) {
            return std::nullopt;
        }
        const std::string_view part = text.substr(0, comma);
        const auto [end, error] =
            std::from_chars(part.data(), part.data() + part.size(), numbers[i]);
        if (error != std::errc() || end != part.data() + part.size()) {
            return std::nullopt;
        }
        text = last ? std::string_view() : text.substr(comma + 1);
    }
    return numbers;
}

}  // namespace

bool PixelRect::Contains(const PixelRect& inner) const {
    // 64-bit sums: the file may hold any int.
    return inner.x >= x && inner.y >= y &&
           static_cast<long long>(inner.x) + inner.width <= static_cast<long long>(x) + width &&
           static_cast<long long>(inner.y) + inner.height <= static_cast<long long>(y) + height;
}

std::optional<WindowPlacement> ReadWindowPlacement(const CIniFile& ini) {
    const auto frame = ParseNumbers<4>(ini.GetString(kWindowSection, kFrameKey, ""));
    const auto client = ParseNumbers<2>(ini.GetString(kWindowSection, kClientKey, ""));
    const std::string maximised = ini.GetString(kWindowSection, kMaximisedKey, "0");
    if (!frame || !client || (maximised != "0" && maximised != "1")) {
        return std::nullopt;
    }
    const auto [x, y, width, height] = *frame;
    if (width <= 0 || height <= 0 || (*client)[0] <= 0 || (*client)[1] <= 0 ||
        (*client)[0] > width || (*client)[1] > height) {
        return std::nullopt;
    }
    return WindowPlacement{{x, y, width, height}, (*client)[0], (*client)[1], maximised == "1"};
}

Result WriteWindowPlacement(CIniFile& ini, const WindowPlacement& placement) {
    const PixelRect& f = placement.frame;
    const std::string frame = std::to_string(f.x) + ',' + std::to_string(f.y) + ',' +
                              std::to_string(f.width) + ',' + std::to_string(f.height);
    const std::string client =
        std::to_string(placement.clientWidth) + ',' + std::to_string(placement.clientHeight);
    for (const auto& [key, value] :
         {std::pair{kFrameKey, frame}, std::pair{kClientKey, client},
          std::pair{kMaximisedKey, std::string(placement.maximised ? "1" : "0")}}) {
        if (Result written = ini.Write(kWindowSection, key, value); !written) {
            return written;
        }
    }
    return Result::Success();
}

std::optional<PixelRect> HomeArea(const WindowPlacement& placement,
                                  std::span<const PixelRect> workAreas) {
    const PixelRect& f = placement.frame;
    const PixelRect centre{static_cast<int>(f.x + static_cast<long long>(f.width) / 2),
                           static_cast<int>(f.y + static_cast<long long>(f.height) / 2), 0, 0};
    for (const PixelRect& area : workAreas) {
        if (area.Contains(centre)) {
            return area;
        }
    }
    return std::nullopt;
}

WindowPlacement ClipPlacement(const WindowPlacement& placement, const PixelRect& area) {
    WindowPlacement clipped = placement;
    PixelRect& f = clipped.frame;
    const int width = std::min(f.width, area.width);
    const int height = std::min(f.height, area.height);
    clipped.clientWidth = std::max(1, placement.clientWidth - (f.width - width));
    clipped.clientHeight = std::max(1, placement.clientHeight - (f.height - height));
    f.width = width;
    f.height = height;
    f.x = std::clamp(f.x, area.x, area.x + area.width - width);
    f.y = std::clamp(f.y, area.y, area.y + area.height - height);
    return clipped;
}

PixelRect ScaleRect(const PixelRect& rect, int originX, int originY, double factor) {
    const auto scaled = [factor](double value) {
        return static_cast<int>(std::lround(value * factor));
    };
    return {originX + scaled(rect.x - originX), originY + scaled(rect.y - originY),
            scaled(rect.width), scaled(rect.height)};
}

WindowPlacement ScalePlacement(const WindowPlacement& placement, int originX, int originY,
                               double factor) {
    const PixelRect client =
        ScaleRect({0, 0, placement.clientWidth, placement.clientHeight}, 0, 0, factor);
    return {ScaleRect(placement.frame, originX, originY, factor), client.width, client.height,
            placement.maximised};
}

PixelRect DefaultFrame(const PixelRect& workArea) {
    const int marginX = workArea.width / 10;
    const int marginY = workArea.height / 10;
    return {workArea.x + marginX, workArea.y + marginY, workArea.width - 2 * marginX,
            workArea.height - 2 * marginY};
}

}  // namespace ht57
