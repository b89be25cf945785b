#include "window/form/RunLoop.h"

namespace window {

void RunLoop::begin(const sim::RunSettings& settings, surface::Surface& drawing)
{
    if (running())
        return;
    settings_ = settings;
    drawing_ = &drawing;
}

bool RunLoop::frame(Clock::duration budget)
{
    const Clock::time_point deadline =
        budget == Clock::duration::max() ? Clock::time_point::max() : Clock::now() + budget;
    if (settings_) {
        run_ = std::make_unique<sim::Run>(*settings_, *drawing_);
        settings_.reset();
    }
    if (run_ && !run_->advance(deadline)) {
        keepMeasured(true);
        run_.reset();
    }
    return running();
}

void RunLoop::stop()
{
    settings_.reset();
    if (run_)
        keepMeasured(false);
    run_.reset();
}

void RunLoop::keepMeasured(bool whole)
{
    measured_ = Measured{run_->settings(), run_->parameters(), run_->readings(), whole};
}

} // namespace window
