// A one-line percentage bar on stderr for long work. Drawn only when stderr is a terminal, so
// logs and tests see nothing of it; redrawn only when the shown percentage changes.
#pragma once

#include <cstdint>
#include <string>

class TProgressBar {
public:
    TProgressBar(std::string Label, uint64_t Total);
    ~TProgressBar();
    TProgressBar(const TProgressBar&) = delete;
    TProgressBar& operator=(const TProgressBar&) = delete;

    void Update(uint64_t Done);
    // Draws 100 % and ends the line; later calls do nothing.
    void Finish();

private:
    void Draw(int Percent);

    std::string label_;
    uint64_t total_;
    bool enabled_;
    bool finished_ = false;
    int shownPercent_ = -1;
};
