#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// Two cases whose times are compared: how many times longer the first takes than the second.
struct Ratio {
    std::string slower;
    std::string faster;
};

// Passes every report on to the display Google Benchmark's own flags chose, keeps each case's
// time per run (the median when runs are repeated) and, at the end, prints the ratios.
class RatioReporter final : public benchmark::BenchmarkReporter {
public:
    explicit RatioReporter(std::vector<Ratio> ratios);

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::unique_ptr<benchmark::BenchmarkReporter> display_;
    std::vector<Ratio> ratios_;
    std::map<std::string, double> single_;
    std::map<std::string, double> median_;
};
