#pragma once

#include <cstdio>

namespace ht57::cli {

// A one-line progress bar on a terminal; silent when the stream is not one,
// so scripts and logs get no control characters.
class ProgressBar {
public:
    explicit ProgressBar(std::FILE* stream);
    ~ProgressBar();

    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Update(int done, int total);
    // Ends the line if a bar was drawn.
    void Finish();

private:
    std::FILE* stream_;
    bool enabled_;
    bool drawn_ = false;
    int lastPercent_ = -1;
};

}  // namespace ht57::cli
