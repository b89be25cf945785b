#include "bench/Ratios.h"

#include <cstdio>

namespace {

double inMilliseconds(double time, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return time * 1e-6;
    case benchmark::kMicrosecond:
        return time * 1e-3;
    case benchmark::kMillisecond:
        return time;
    case benchmark::kSecond:
        return time * 1e3;
    }
    return time;
}

} // namespace

RatioReporter::RatioReporter(std::vector<Ratio> ratios)
    : display_(benchmark::CreateDefaultDisplayReporter())
    , ratios_(std::move(ratios))
{
}

bool RatioReporter::ReportContext(const Context& context)
{
    display_->SetOutputStream(&GetOutputStream());
    display_->SetErrorStream(&GetErrorStream());
    return display_->ReportContext(context);
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const std::string name = run.run_name.function_name;
        const double milliseconds = inMilliseconds(run.GetAdjustedRealTime(), run.time_unit);
        if (run.run_type == Run::RT_Iteration && !single_.count(name))
            single_[name] = milliseconds;
        else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            median_[name] = milliseconds;
    }
    display_->ReportRuns(runs);
}

void RatioReporter::Finalize()
{
    display_->Finalize();
    // The ratios go below a console table; beside JSON or CSV they would spoil the format.
    const bool console = dynamic_cast<benchmark::ConsoleReporter*>(display_.get()) != nullptr;
    std::FILE* out = console ? stdout : stderr;
    std::fflush(stdout);
    const auto time = [&](const std::string& name) {
        const auto median = median_.find(name);
        if (median != median_.end())
            return median->second;
        const auto single = single_.find(name);
        return single != single_.end() ? single->second : 0.0;
    };
    for (const Ratio& ratio : ratios_) {
        const double slower = time(ratio.slower);
        const double faster = time(ratio.faster);
        if (slower > 0 && faster > 0)
            std::fprintf(out, "%s / %s = %.2f  (%.2f ms / %.2f ms)\n", ratio.slower.c_str(), ratio.faster.c_str(),
                         slower / faster, slower, faster);
    }
    std::fflush(out);
}
