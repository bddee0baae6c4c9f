#include "ProgressBar.h"

#include <unistd.h>

#include <string>

namespace ht57::cli {

ProgressBar::ProgressBar(std::FILE* stream)
    : stream_(stream), enabled_(::isatty(::fileno(stream)) == 1) {}

ProgressBar::~ProgressBar() {
    Finish();
}

void ProgressBar::Update(int done, int total) {
    if (!enabled_ || total <= 0) {
        return;
    }
    // The same integer percentage the transfer dialog shows.
    const int percent = done * 100 / total;
    if (percent == lastPercent_) {
        return;
    }
    lastPercent_ = percent;
    constexpr int kWidth = 40;
    const int filled = done * kWidth / total;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kWidth - filled), '.');
    std::fprintf(stream_, "\r[%s] %3d%%", bar.c_str(), percent);
    std::fflush(stream_);
    drawn_ = true;
}

void ProgressBar::Finish() {
    if (drawn_) {
        std::fputc('\n', stream_);
        std::fflush(stream_);
        drawn_ = false;
    }
}

}  // namespace ht57::cli
