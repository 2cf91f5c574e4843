#pragma once
// Gives every question slot of a topic a family: a family offering the slot's shape, never twice
// in one paper and at most a fixed number of times in the topic, used as evenly as the shapes
// allow.

#include "families.h"

#include <string>
#include <vector>

struct Slot {
    std::string kinds;               // the shape to fill: "N", "Q", "NX", ...
    const Family* family = nullptr;  // set by the assignment, or beforehand for a fixed question
    enum Pin { None, FractionPair, Litres, TwelveMarks } pin = None;
    std::string pinnedFamily;  // the family name a fixed question writes
};

constexpr int kMaxUsesInTopic = 4;

// Fills the family of every slot of `papers` (one list of slots per paper) that has none. A
// fixed slot counts as a use of the family of its name. Returns false, changing nothing, when
// no assignment keeps the rules.
bool assignFamilies(std::vector<std::vector<Slot>>& papers,
                    const std::vector<const Family*>& families, Rng& r,
                    int maxUses = kMaxUsesInTopic);

// Why a topic's families cannot fill its slots, shape by shape, for the planner's message.
std::string shortageReport(const std::vector<std::vector<Slot>>& papers,
                           const std::vector<const Family*>& families);
