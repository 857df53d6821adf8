#include <algorithm>

#include "Schedule.h"

namespace orv_engine {

namespace {

// A moving delay is read ahead only where its stored time is at least this long: around
// shorter times its sub-passes, a frame or two long, would cost more than the frame loop.
constexpr double kShortestMovingTime = 16.0;

// A Delay whose time stays longer than a pass gives the whole pass from what its line held
// before it, so a loop of routes through it does not hold the pass back: its output is read
// ahead and its input written once its senders have run. Where Delay Mod routes move its
// time, it does so a sub-pass at a time, each shorter than the time.
bool canReadAhead(const BlockPlan& plan, ModulePlan& module, bool fading)
{
    if (module.process != ProcessKind::Delay || module.source == OscKind::SineLfo || fading)
        return false;
    bool moves = false;
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        const Route& route = plan.modules[module.incoming[incoming].sender].routes[module.incoming[incoming].route];
        if (route.action == RouteAction::AddToField && route.field == &OrvChannelInputs::time) {
            moves = true;
            continue;
        }
        // Its own feedback is added before Ampl Mod and Ring Mod factors, which a pass cannot do.
        if (!isLevelRoute(route) || (module.selfMixCount > 0 && route.action != RouteAction::AddToField))
            return false;
    }
    module.timeMoves = moves;
    const double time = std::min(double(module.processTime), double(plan.lineLength) - 1.0);
    return time >= (moves ? kShortestMovingTime : double(kPassFrames + 1));
}

// The pre-computed modules that a delay whose time moves reaches through routes.
void findSubPassModules(const BlockPlan& plan, bool reached[kNumModules])
{
    for (int index = 0; index < plan.moduleCount; ++index)
        reached[index] = plan.modules[index].readsAhead && plan.modules[index].timeMoves;
    for (bool progress = true; progress;) {
        progress = false;
        for (int index = 0; index < plan.moduleCount; ++index) {
            const ModulePlan& module = plan.modules[index];
            if (reached[index] || !module.precomputed)
                continue;
            reached[index] = std::any_of(module.incoming, module.incoming + module.incomingCount,
                                         [&](const Incoming& incoming) { return reached[incoming.sender]; });
            progress = progress || reached[index];
        }
    }
}

// A moving delay's time must be known for the whole pass before its first sub-pass.
bool timeSendersRunFirst(const BlockPlan& plan, const ModulePlan& module, const bool reached[kNumModules])
{
    return std::none_of(module.incoming, module.incoming + module.incomingCount, [&](const Incoming& incoming) {
        const Route& route = plan.modules[incoming.sender].routes[incoming.route];
        return route.field == &OrvChannelInputs::time && reached[incoming.sender];
    });
}

// Moves the modules a moving delay reaches from the pre-pass to the sub-passes, keeping their order.
void splitSubPasses(BlockPlan& plan, const bool reached[kNumModules])
{
    int kept = 0;
    plan.subPassCount = 0;
    for (int order = 0; order < plan.prePassCount; ++order) {
        const int index = plan.prePassOrder[order];
        if (reached[index])
            plan.subPassOrder[plan.subPassCount++] = index;
        else
            plan.prePassOrder[kept++] = index;
    }
    plan.prePassCount = kept;
}

// Orders the pre-pass so every module follows its senders; a delay read ahead sends from the start.
void schedulePrePass(BlockPlan& plan, const bool candidate[kNumModules])
{
    for (int index = 0; index < plan.moduleCount; ++index)
        plan.modules[index].precomputed = false;
    plan.prePassCount = 0;
    for (bool progress = true; progress;) {
        progress = false;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            if (!candidate[index] || module.precomputed)
                continue;
            const bool sendersReady = std::all_of(module.incoming, module.incoming + module.incomingCount,
                [&](const Incoming& incoming) {
                    const ModulePlan& sender = plan.modules[incoming.sender];
                    return sender.precomputed || sender.readsAhead;
                });
            if (sendersReady) {
                module.precomputed = true;
                plan.prePassOrder[plan.prePassCount++] = index;
                progress = true;
            }
        }
    }
}

// A module of the frame loop that no loop of routes passes through, and that sends only
// to such modules, runs after the frame loop a whole pass at a time, from its output.
void planPostPass(BlockPlan& plan, const bool candidate[kNumModules])
{
    // reaches[a][b]: a path of routes leads from a to b through modules of the frame loop.
    // A module whose slot depths are modulated only sends through inboxes.
    bool reaches[kNumModules][kNumModules] {};
    bool depthModulated[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        for (int route = 0; route < module.routeCount; ++route) {
            const Route& r = module.routes[route];
            const int target = plan.planIndex[r.target];
            depthModulated[target] = depthModulated[target] || isDepthRoute(r);
            if (!module.precomputed && !plan.modules[target].precomputed
                && !(target == index && r.field == &OrvChannelInputs::mix))
                reaches[index][target] = true;
        }
    }
    for (int via = 0; via < plan.moduleCount; ++via) {
        for (int from = 0; from < plan.moduleCount; ++from) {
            for (int to = 0; to < plan.moduleCount; ++to)
                reaches[from][to] = reaches[from][to] || (reaches[from][via] && reaches[via][to]);
        }
    }
    bool perFrame[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index) {
        const ModulePlan& module = plan.modules[index];
        perFrame[index] = !module.precomputed
            && (reaches[index][index] || !candidate[index]
                || std::any_of(module.incoming, module.incoming + module.incomingCount,
                               [&](const Incoming& incoming) { return depthModulated[incoming.sender]; }));
    }
    for (int index = 0; index < plan.moduleCount; ++index) {
        for (int to = 0; to < plan.moduleCount; ++to)
            perFrame[index] = perFrame[index] || (reaches[index][to] && perFrame[to]);
    }
    plan.postPassCount = 0;
    for (bool progress = true; progress;) {
        progress = false;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            if (perFrame[index] || module.precomputed)
                continue;
            const bool sendersDone = std::all_of(module.incoming, module.incoming + module.incomingCount,
                [&](const Incoming& incoming) {
                    return plan.modules[incoming.sender].precomputed || perFrame[incoming.sender];
                });
            if (sendersDone) {
                module.precomputed = true;
                plan.postPassOrder[plan.postPassCount++] = index;
                progress = true;
            }
        }
    }
}

// A delay read ahead must also take its input in the pre-pass, and a moving one its time
// from modules it does not reach; where it cannot, it gives up reading ahead and the
// schedule starts over.
void settlePrePass(BlockPlan& plan, const bool candidate[kNumModules])
{
    bool reached[kNumModules] {};
    for (bool settled = false; !settled;) {
        schedulePrePass(plan, candidate);
        findSubPassModules(plan, reached);
        settled = true;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            if (module.readsAhead
                && (!module.precomputed || (module.timeMoves && !timeSendersRunFirst(plan, module, reached)))) {
                module.readsAhead = module.timeMoves = false;
                settled = false;
            }
        }
    }
    splitSubPasses(plan, reached);
}

// Whether a pass takes a module's routes as its frame-loop inbox would: nothing late that
// leaves a pending word in the record, at most one level factor (a pass multiplies them in
// turn, an inbox first multiplies them together) and no feedback of its own beside Mix routes
// (an inbox adds them to it before the source).
bool takesRoutesAsFrameLoop(const BlockPlan& plan, const ModulePlan& module)
{
    int factors = 0;
    bool mixed = false;
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        const Route& route = plan.modules[module.incoming[incoming].sender].routes[module.incoming[incoming].route];
        if (module.incoming[incoming].lagged && route.action != RouteAction::AddToField)
            return false;
        factors += route.action == RouteAction::Amplitude || route.action == RouteAction::Ring ? 1 : 0;
        mixed = mixed || (route.action == RouteAction::AddToField && route.field == &OrvChannelInputs::mix);
    }
    return factors <= 1 && !(mixed && module.selfMixCount > 0);
}

} // namespace

// The block pre-pass takes every module that depends on nothing the frame loop computes:
// its routes come from modules of the pre-pass or are Mix routes into itself, and leave
// its slot depths alone. Senders run before their targets, so a target reads whole passes
// of them; modules on a loop of routes stay in the frame loop.
void planPrePass(BlockPlan& plan, const OrvPreset& preset, const OrvModulationState& state)
{
    bool candidate[kNumModules];
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        candidate[index] = !hasPendingWord(preset, module.index);
        module.precomputed = false;
        module.incomingCount = 0;
        module.selfMixCount = 0;
    }
    // A later sender's routes were delivered after the target ran in the frame before,
    // so they come first, as in a frame-loop inbox.
    for (const bool later : {true, false}) {
        for (int sender = 0; sender < plan.moduleCount; ++sender) {
            const ModulePlan& from = plan.modules[sender];
            for (int route = 0; route < from.routeCount; ++route) {
                const Route& r = from.routes[route];
                const int target = plan.planIndex[r.target];
                ModulePlan& to = plan.modules[target];
                if ((sender >= target) != later)
                    continue;
                if (sender == target && r.field == &OrvChannelInputs::mix)
                    to.selfMixDepth[to.selfMixCount++] = r.depth;
                else
                    to.incoming[to.incomingCount++] = {sender, route, later};
                if (isDepthRoute(r))
                    candidate[target] = false;
            }
        }
    }
    const auto schedule = [&](bool movingReadAhead) {
        int moving = 0;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            const int m = module.index;
            module.timeMoves = false;
            module.readsAhead = candidate[index]
                && canReadAhead(plan, module, state.fadeRequested[m] || state.fadeRemaining[m] > 0)
                && (!module.timeMoves || (movingReadAhead && moving < kMaxMovingDelays));
            module.timeMoves = module.timeMoves && module.readsAhead;
            module.movingSlot = module.timeMoves ? moving++ : -1;
            module.precomputedByMovingDelay = false;
        }
        settlePrePass(plan, candidate);
        planPostPass(plan, candidate);
    };
    schedule(true);
    if (std::none_of(plan.modules, plan.modules + plan.moduleCount, [](const ModulePlan& module) { return module.timeMoves; }))
        return;
    // Planned again as if no moving delay were read ahead, to know which modules run a pass
    // at a time only because one is: those must play as in the frame loop.
    schedule(false);
    bool precomputedAnyway[kNumModules] {};
    for (int index = 0; index < plan.moduleCount; ++index)
        precomputedAnyway[index] = plan.modules[index].precomputed;
    schedule(true);
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        module.precomputedByMovingDelay = module.precomputed && !precomputedAnyway[index];
        if (module.precomputedByMovingDelay && !takesRoutesAsFrameLoop(plan, module)) {
            schedule(false);
            return;
        }
    }
}

} // namespace orv_engine
