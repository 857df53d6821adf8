#include <algorithm>

#include "Schedule.h"

namespace orv_engine {

namespace {

// A Delay whose time nothing moves and that is longer than a pass gives the whole pass
// from what its line held before it, so a loop of routes through it does not hold the
// pass back: its output is read ahead and its input written once its senders have run.
bool canReadAhead(const BlockPlan& plan, const ModulePlan& module, bool fading)
{
    if (module.process != ProcessKind::Delay || module.source == OscKind::SineLfo || fading
        || std::min(double(module.processTime), double(plan.lineLength) - 1.0) < double(kPassFrames + 1))
        return false;
    for (int incoming = 0; incoming < module.incomingCount; ++incoming) {
        const Route& route = plan.modules[module.incoming[incoming].sender].routes[module.incoming[incoming].route];
        // Its own feedback is added before Ampl Mod and Ring Mod factors, which a pass cannot do.
        if (!isLevelRoute(route) || (module.selfMixCount > 0 && route.action != RouteAction::AddToField))
            return false;
    }
    return true;
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
    for (int index = 0; index < plan.moduleCount; ++index) {
        ModulePlan& module = plan.modules[index];
        const int m = module.index;
        module.readsAhead = candidate[index] && canReadAhead(plan, module, state.fadeRequested[m] || state.fadeRemaining[m] > 0);
    }
    // A delay read ahead must also take its input in the pre-pass; where it cannot, it
    // gives up reading ahead and the schedule starts over.
    for (bool settled = false; !settled;) {
        schedulePrePass(plan, candidate);
        settled = true;
        for (int index = 0; index < plan.moduleCount; ++index) {
            ModulePlan& module = plan.modules[index];
            if (module.readsAhead && !module.precomputed) {
                module.readsAhead = false;
                settled = false;
            }
        }
    }
    planPostPass(plan, candidate);
}

} // namespace orv_engine
