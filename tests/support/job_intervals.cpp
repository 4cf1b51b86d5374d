#include "support/job_intervals.h"

#include <algorithm>
#include <fstream>
#include <utility>

namespace kestrum::test {

namespace {

long long ReadStamp(const std::string& file) {
    std::ifstream in(file);
    long long stamp = 0;
    in >> stamp;
    return stamp;
}

}  // namespace

JobInterval StampedInterval(const std::string& base) {
    return {ReadStamp(base + ".start"), ReadStamp(base + ".end")};
}

std::string Stamped(const std::string& base, const std::string& lines) {
    return "stamp " + base + ".start\n" + lines + "stamp " + base + ".end\n";
}

int MostAtOnce(const std::vector<JobInterval>& intervals) {
    // Starts count up and ends down; an end at the same moment as a start comes first.
    std::vector<std::pair<long long, int>> changes;
    for (const JobInterval& interval : intervals) {
        changes.emplace_back(interval.start, 1);
        changes.emplace_back(interval.end, -1);
    }
    std::ranges::sort(changes);
    int running = 0;
    int most = 0;
    for (const auto& [moment, change] : changes) {
        running += change;
        most = std::max(most, running);
    }
    return most;
}

}  // namespace kestrum::test
