#include "progress_bar.h"

#include <unistd.h>

#include <cstdio>

namespace {
constexpr int BarWidth = 40;
}

TProgressBar::TProgressBar(std::string Label, uint64_t Total)
    : label_(std::move(Label)), total_(Total), enabled_(isatty(STDERR_FILENO) == 1) {}

TProgressBar::~TProgressBar() { Finish(); }

void TProgressBar::Update(uint64_t Done) {
    if (!enabled_ || finished_) return;
    const int percent = total_ == 0 ? 100 : int(Done >= total_ ? 100 : Done * 100 / total_);
    if (percent != shownPercent_) Draw(percent);
}

void TProgressBar::Finish() {
    if (!enabled_ || finished_) return;
    if (shownPercent_ != 100) Draw(100);
    std::fputc('\n', stderr);
    finished_ = true;
}

void TProgressBar::Draw(int Percent) {
    shownPercent_ = Percent;
    const int filled = Percent * BarWidth / 100;
    std::fprintf(stderr, "\r%-12s [%.*s%*s] %3d%%", label_.c_str(), filled,
                 "########################################", BarWidth - filled, "", Percent);
    std::fflush(stderr);
}
