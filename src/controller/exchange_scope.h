#pragma once

#include "display/display.h"

namespace orvant {

// Marks a controller exchange as under way for as long as it lives, so that operator input whose
// handler would start another exchange waits until this one has ended instead of running inside
// one of its pauses. Nested exchanges (a retry, a handler that runs anyway) restore the state
// they found, so the mark lasts until the outermost exchange ends.
class ExchangeScope {
  public:
    explicit ExchangeScope(Display& display) : display_(display), outer_(display.exchangeActive()) {
        display_.setExchangeActive(true);
    }
    ~ExchangeScope() { display_.setExchangeActive(outer_); }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

  private:
    Display& display_;
    bool outer_;
};

}  // namespace orvant
