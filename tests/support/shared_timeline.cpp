#include "support/shared_timeline.h"

#include <stdexcept>
#include <thread>

namespace orvant::testing {

Host& SharedTimeline::addProgram(std::int64_t startMs) {
    programs_.push_back(std::make_unique<Program>(*this, startMs));
    return *programs_.back();
}

void SharedTimeline::passTurn() {
    const Program* next = nullptr;
    for (const auto& program : programs_)
        if (!program->ended_ && (!next || program->wakeMs_ < next->wakeMs_)) next = program.get();
    if (next && next->wakeMs_ > now_) now_ = next->wakeMs_;
    running_ = next;
    turnChanged_.notify_all();
}

void SharedTimeline::awaitTurn(std::unique_lock<std::mutex>& lock, const Program* program) {
    turnChanged_.wait(lock, [&] { return running_ == program; });
}

void SharedTimeline::Program::waitUntil(std::int64_t elapsedMs) {
    if (elapsedMs <= this->elapsedMs()) return;
    std::unique_lock lock(timeline_.mutex_);
    wakeMs_ = startMs_ + elapsedMs;
    timeline_.passTurn();
    timeline_.awaitTurn(lock, this);
}

void SharedTimeline::run(const std::vector<std::function<void()>>& bodies) {
    if (bodies.size() != programs_.size())
        throw std::logic_error("one body for every program on the timeline");
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < bodies.size(); ++i)
        threads.emplace_back([this, i, &bodies] {
            Program* program = programs_[i].get();
            {
                std::unique_lock lock(mutex_);
                awaitTurn(lock, program);
            }
            try {
                bodies[i]();
            } catch (...) {
                const std::lock_guard lock(mutex_);
                if (!escaped_) escaped_ = std::current_exception();
            }
            const std::lock_guard lock(mutex_);
            program->ended_ = true;
            passTurn();
        });
    {
        const std::lock_guard lock(mutex_);
        passTurn();
    }
    for (std::thread& thread : threads) thread.join();
    if (escaped_) std::rethrow_exception(escaped_);
}

}  // namespace orvant::testing
