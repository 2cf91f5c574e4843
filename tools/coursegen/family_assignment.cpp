#include "family_assignment.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// Augmenting paths on a small unit-capacity graph: slot -> (family, paper) -> family -> sink.
class Flow {
  public:
    explicit Flow(int nodes) : edges_(static_cast<std::size_t>(nodes)) {}

    // Returns the edge's index among the edges leaving `from`.
    int add(int from, int to, int capacity) {
        edges_[static_cast<std::size_t>(from)].push_back({to, capacity, size(to)});
        edges_[static_cast<std::size_t>(to)].push_back({from, 0, size(from) - 1});
        return size(from) - 1;
    }

    bool augment(int from, int sink) {
        seen_.assign(edges_.size(), false);
        return visit(from, sink);
    }

    void raise(int from, int index, int by) {
        edges_[static_cast<std::size_t>(from)][static_cast<std::size_t>(index)].capacity += by;
    }

    // Whether a unit edge added by add() carries flow.
    bool used(int from, int index) const {
        return edges_[static_cast<std::size_t>(from)][static_cast<std::size_t>(index)].capacity ==
               0;
    }
    int target(int from, int index) const {
        return edges_[static_cast<std::size_t>(from)][static_cast<std::size_t>(index)].to;
    }

  private:
    struct Edge {
        int to;
        int capacity;
        int back;
    };
    int size(int node) const {
        return static_cast<int>(edges_[static_cast<std::size_t>(node)].size());
    }
    bool visit(int node, int sink) {
        if (node == sink) return true;
        seen_[static_cast<std::size_t>(node)] = true;
        for (Edge& e : edges_[static_cast<std::size_t>(node)]) {
            if (e.capacity == 0 || seen_[static_cast<std::size_t>(e.to)]) continue;
            if (visit(e.to, sink)) {
                --e.capacity;
                ++edges_[static_cast<std::size_t>(e.to)][static_cast<std::size_t>(e.back)].capacity;
                return true;
            }
        }
        return false;
    }
    std::vector<std::vector<Edge>> edges_;
    std::vector<bool> seen_;
};

bool offers(const Family& f, const std::string& shape) {
    return std::find(f.shapes.begin(), f.shapes.end(), shape) != f.shapes.end();
}

// Tries to fill the open slots with each family used at most `cap` times in all.
bool tryAssign(std::vector<std::vector<Slot>>& papers, const std::vector<const Family*>& families,
               Rng& r, int cap) {
    const int paperCount = static_cast<int>(papers.size());
    const int familyCount = static_cast<int>(families.size());
    std::map<std::string, int> familyIndex;
    for (int i = 0; i < familyCount; ++i)
        familyIndex[families[static_cast<std::size_t>(i)]->name] = i;

    // Uses already made by fixed slots, and the papers they sit in.
    std::vector<int> fixedUses(static_cast<std::size_t>(familyCount), 0);
    std::set<std::pair<int, int>> taken;    // (family, paper)
    std::vector<std::pair<int, int>> open;  // (paper, slot)
    for (int p = 0; p < paperCount; ++p)
        for (int s = 0; s < static_cast<int>(papers[static_cast<std::size_t>(p)].size()); ++s) {
            const Slot& slot = papers[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)];
            const std::string name = slot.family ? slot.family->name : slot.pinnedFamily;
            if (slot.family == nullptr && slot.pin == Slot::None) {
                open.emplace_back(p, s);
                continue;
            }
            const auto it = familyIndex.find(name);
            if (it == familyIndex.end()) continue;
            if (!taken.insert({it->second, p}).second) return false;
            ++fixedUses[static_cast<std::size_t>(it->second)];
        }

    // Nodes: source, open slots, (family, paper) pairs, families, sink.
    const int source = 0;
    const int firstSlot = 1;
    const int firstPair = firstSlot + static_cast<int>(open.size());
    const int firstFamily = firstPair + familyCount * paperCount;
    const int sink = firstFamily + familyCount;
    Flow flow(sink + 1);
    std::vector<int> firstUse(static_cast<std::size_t>(familyCount), -1);
    for (int f = 0; f < familyCount; ++f) {
        const int room = cap - fixedUses[static_cast<std::size_t>(f)];
        // One use first, the rest (the edge right after it) opened once no path is left, so the
        // flow uses as many families as it can before it reuses any: augmenting never takes
        // flow off a family's edges to the sink.
        if (room > 0) firstUse[static_cast<std::size_t>(f)] = flow.add(firstFamily + f, sink, 1);
        if (room > 1) flow.add(firstFamily + f, sink, 0);
        for (int p = 0; p < paperCount; ++p)
            if (!taken.count({f, p})) flow.add(firstPair + f * paperCount + p, firstFamily + f, 1);
    }
    std::vector<std::vector<int>> choices(open.size());  // edge indices of each open slot
    std::vector<int> order(static_cast<std::size_t>(familyCount));
    for (int i = 0; i < familyCount; ++i) order[static_cast<std::size_t>(i)] = i;
    for (std::size_t k = 0; k < open.size(); ++k) {
        const auto [p, s] = open[k];
        const std::string& shape =
            papers[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)].kinds;
        const int node = firstSlot + static_cast<int>(k);
        flow.add(source, node, 1);
        r.shuffle(order);  // so equal choices fall differently from slot to slot
        for (int f : order)
            if (offers(*families[static_cast<std::size_t>(f)], shape))
                choices[k].push_back(flow.add(node, firstPair + f * paperCount + p, 1));
    }
    std::size_t done = 0;
    while (done < open.size() && flow.augment(source, sink)) ++done;
    for (int f = 0; f < familyCount; ++f) {
        const int room = cap - fixedUses[static_cast<std::size_t>(f)];
        if (room > 1)
            flow.raise(firstFamily + f, firstUse[static_cast<std::size_t>(f)] + 1, room - 1);
    }
    for (; done < open.size(); ++done)
        if (!flow.augment(source, sink)) return false;

    for (std::size_t k = 0; k < open.size(); ++k) {
        const auto [p, s] = open[k];
        const int node = firstSlot + static_cast<int>(k);
        int pair = -1;
        for (int index : choices[k])
            if (flow.used(node, index)) pair = flow.target(node, index) - firstPair;
        papers[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)].family =
            families[static_cast<std::size_t>(pair / paperCount)];
    }
    return true;
}

}  // namespace

bool assignFamilies(std::vector<std::vector<Slot>>& papers,
                    const std::vector<const Family*>& families, Rng& r, int maxUses) {
    if (families.empty()) return false;
    std::size_t slots = 0;
    for (const auto& p : papers) slots += p.size();
    // The lowest cap that works spreads the uses evenly over the families.
    const int even = static_cast<int>((slots + families.size() - 1) / families.size());
    for (int cap = std::max(1, even); cap <= maxUses; ++cap) {
        auto attempt = papers;
        if (tryAssign(attempt, families, r, cap)) {
            papers = std::move(attempt);
            return true;
        }
    }
    return false;
}

std::string shortageReport(const std::vector<std::vector<Slot>>& papers,
                           const std::vector<const Family*>& families) {
    std::map<std::string, int> slots;
    std::map<std::string, int> mostInPaper;
    for (const auto& paper : papers) {
        std::map<std::string, int> here;
        for (const Slot& s : paper)
            if (s.pin == Slot::None) ++here[s.kinds];
        for (const auto& [shape, n] : here) {
            slots[shape] += n;
            mostInPaper[shape] = std::max(mostInPaper[shape], n);
        }
    }
    std::string report = std::to_string(families.size()) + " families;";
    for (const auto& [shape, n] : slots) {
        if (shape.find('?') != std::string::npos) {  // no shape of this length fitted the budget
            report += " " + std::to_string(shape.size()) + "-part: " + std::to_string(n) +
                      " questions with no shape the kind budget allows;";
            continue;
        }
        int offering = 0;
        for (const Family* f : families) offering += offers(*f, shape);
        report += " " + shape + ": " + std::to_string(n) + " questions (" +
                  std::to_string(mostInPaper[shape]) + " in one paper), offered by " +
                  std::to_string(offering) + ";";
    }
    return report;
}
