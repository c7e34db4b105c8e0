#include "figures.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

double nowMilliseconds() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

Comparison compare(int repetitions, const std::function<double()>& tempolis, const std::function<double()>& reference) {
    std::vector<double> ours, theirs;
    for (int round = 0; round < repetitions; ++round) {
        ours.push_back(tempolis());
        theirs.push_back(reference());
    }
    return {median(ours), median(theirs)};
}

void printFigure(const std::string& name, const Comparison& comparison, const std::string& goal) {
    std::printf("%s: tempolis=%.1f ms reference=%.1f ms ratio=%.2f (goal %s)\n", name.c_str(), comparison.tempolis,
                comparison.reference, comparison.reference > 0 ? comparison.tempolis / comparison.reference : 0.0,
                goal.c_str());
    std::fflush(stdout);
}

}  // namespace bench
