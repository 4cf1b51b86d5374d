#pragma once

#include <string>
#include <vector>

namespace kestrum::test {

// When a test encoder ran, from the two stamps its script wrote (the
// "stamp FILE" command): CLOCK_MONOTONIC nanoseconds; zeros when missing.
struct JobInterval {
    long long start = 0;
    long long end = 0;
};

// The interval of the stamps "<base>.start" and "<base>.end".
JobInterval StampedInterval(const std::string& base);

// The test encoder script lines that stamp "<base>.start" first and
// "<base>.end" after `lines`.
std::string Stamped(const std::string& base, const std::string& lines);

// The most intervals that overlap at one moment.
int MostAtOnce(const std::vector<JobInterval>& intervals);

}  // namespace kestrum::test
