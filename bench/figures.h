#pragma once
// Timing helpers for the benchmark figures: both sides measured in the same run, interleaved,
// and reported as medians.
#include <functional>
#include <string>
#include <vector>

namespace bench {

double nowMilliseconds();
double median(std::vector<double> samples);

struct Comparison {
    double tempolis;   // median milliseconds
    double reference;  // median milliseconds
};

// Runs `repetitions` rounds of tempolis then reference; each function returns its own
// measured milliseconds (so set-up outside the timed part is left out).
Comparison compare(int repetitions, const std::function<double()>& tempolis, const std::function<double()>& reference);

// One line per figure: "NAME: tempolis=… ms reference=… ms ratio=R (goal …)".
void printFigure(const std::string& name, const Comparison& comparison, const std::string& goal);

}  // namespace bench
