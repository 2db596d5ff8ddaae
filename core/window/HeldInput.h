#pragma once

#include "core/settings/FormAction.h"

#include <deque>
#include <utility>

namespace quorvel {

// The input that comes while Start runs, held to be carried out after the run in the order it
// came. When one of them begins another run, the rest wait for its end, and whatever comes during
// it waits behind them.
class HeldInput {
public:
    // Whether an action that comes now waits: during a run, and behind input still held, unless
    // it comes while the held input is being carried out.
    bool holds(bool running) const { return !replaying_ && (running || !held_.empty()); }
    void hold(const FormAction& action) { held_.push_back(action); }
    // Whether the held input is being carried out now.
    bool replaying() const { return replaying_; }
    // Drops what is held; returns whether there was any.
    bool drop()
    {
        const bool any = !held_.empty();
        held_.clear();
        return any;
    }

    // Carries out the held actions in order through carryOut(action, speedMoveNext) while
    // mayGoOn() allows, so that one beginning another run holds the rest. speedMoveNext says
    // whether a move of the speed comes right behind the action, as a drag gives many.
    template <typename MayGoOn, typename CarryOut>
    void replay(MayGoOn mayGoOn, CarryOut carryOut)
    {
        const bool wasReplaying = std::exchange(replaying_, true);
        while (!held_.empty() && mayGoOn()) {
            const FormAction action = held_.front();
            held_.pop_front();
            carryOut(action, !held_.empty() && std::holds_alternative<SpeedMove>(held_.front()));
        }
        replaying_ = wasReplaying;
    }

private:
    std::deque<FormAction> held_;
    bool replaying_ = false;
};

}  // namespace quorvel
