#include "track_route.h"

#include "core/block_codes.h"
#include "core/direction.h"

#include <array>
#include <deque>
#include <set>

namespace {

using Cell = std::pair<int, int>;

// The cells reached, one flag per cell of the block layer.
class Region {
public:
    bool contains(const Cell& c) const { return flags_[BlockIndex(c.first, c.second)]; }
    bool insert(const Cell& c)
    {
        const bool added = !contains(c);
        flags_[BlockIndex(c.first, c.second)] = true;
        return added;
    }
    template <typename Visit>
    void ForEach(Visit visit) const
    {
        for (int x = 1; x <= GroundWidth; ++x)
            for (int y = 1; y <= GroundHeight; ++y)
                if (contains({x, y}))
                    visit(Cell{x, y});
    }

private:
    std::array<bool, TrackWidth * TrackHeight> flags_{};
};

bool IsPlayable(Cell c)
{
    return c.first >= 1 && c.first <= GroundWidth && c.second >= 1 && c.second <= GroundHeight;
}

Cell Step(Cell c, int direction)
{
    const CellPosition next = StepPosition(direction, {c.first, c.second});
    return {next.X, next.Y};
}

// What the worm has collected and which doors it has opened.
struct Kit {
    std::array<int, 3> keys{};
    bool scuba = false;
    bool shoes = false;
    std::set<Cell> openDoors;
};

class RouteFinder {
public:
    explicit RouteFinder(const TrackRecord& track) : track_(track)
    {
        for (int x = 1; x <= GroundWidth; ++x)
            for (int y = 1; y <= GroundHeight; ++y)
                if (const int code = Code({x, y}); IsPortalCode(code))
                    portals_[code - Blocks::WhitePortal].push_back({x, y});
    }

    int Code(Cell c) const { return track_.Blocks[BlockIndex(c.first, c.second)]; }

    // The cells reachable from start with the kit, following the moves described above.
    Region Reach(Cell start, const Kit& kit) const
    {
        Region seen;
        seen.insert(start);
        std::deque<Cell> queue{start};
        while (!queue.empty()) {
            const Cell from = queue.front();
            queue.pop_front();
            for (int d = 0; d < 8; ++d)
                for (const Cell& to : Enter(Step(from, d), d, kit, 0))
                    if (seen.insert(to))
                        queue.push_back(to);
        }
        return seen;
    }

    // Grows the kit from the cells reachable from start until nothing more opens.
    Kit Explore(Cell start) const
    {
        Kit kit;
        for (;;) {
            const Region reached = Reach(start, kit);
            Kit grown = Collect(reached, kit);
            if (grown.openDoors == kit.openDoors && grown.scuba == kit.scuba &&
                grown.shoes == kit.shoes)
                return kit;
            kit = grown;
        }
    }

private:
    bool GroundAllows(Cell c, const Kit& kit) const
    {
        const int ground = track_.Ground[GroundIndex(c.first, c.second)];
        return (ground != Blocks::Water || kit.scuba) && (ground != Blocks::Lava || kit.shoes);
    }

    // The cells the head ends on when it moves into cell c in direction d.
    std::vector<Cell> Enter(Cell c, int d, const Kit& kit, int depth) const
    {
        if (!IsPlayable(c) || !GroundAllows(c, kit))
            return {};
        const int code = Code(c);
        if (IsPortalCode(code))
            return depth < 3 ? PortalExits(c, d, kit, depth) : std::vector<Cell>{};
        if (IsDoorCode(code))
            return kit.openDoors.contains(c) ? std::vector<Cell>{c} : std::vector<Cell>{};
        if (IsOneWayCode(code))
            return d == OneWayDirection(code) ? std::vector<Cell>{c} : std::vector<Cell>{};
        const bool hard = IsHardWall(code) || code == Blocks::Border;
        return hard ? std::vector<Cell>{} : std::vector<Cell>{c};
    }

    std::vector<Cell> PortalExits(Cell portal, int d, const Kit& kit, int depth) const
    {
        std::vector<Cell> exits;
        for (const Cell& other : portals_[Code(portal) - Blocks::WhitePortal])
            if (other != portal)
                for (const Cell& c : Enter(Step(other, d), d, kit, depth + 1))
                    exits.push_back(c);
        return exits;
    }

    Kit Collect(const Region& reached, Kit kit) const
    {
        kit.keys = {};
        reached.ForEach([&](const Cell& c) {
            const int code = Code(c);
            if (IsKeyCode(code))
                ++kit.keys[KeyColour(code)];
            kit.scuba = kit.scuba || code == Blocks::ScubaGear;
            kit.shoes = kit.shoes || code == Blocks::Lavashoes;
        });
        reached.ForEach([&](const Cell& c) {
            for (int d = 0; d < 8; ++d)
                OpenDoor(Step(c, d), kit);
        });
        return kit;
    }

    void OpenDoor(Cell door, Kit& kit) const
    {
        if (!IsPlayable(door) || kit.openDoors.contains(door))
            return;
        const int code = Code(door);
        if (!IsDoorCode(code))
            return;
        int used = 0;
        for (const Cell& open : kit.openDoors)
            used += Code(open) == code ? 1 : 0;
        if (kit.keys[KeyColour(code)] > used)
            kit.openDoors.insert(door);
    }

    const TrackRecord& track_;
    std::array<std::vector<Cell>, 3> portals_;  // white, green, blue
};

std::string Where(Cell c)
{
    return "(" + std::to_string(c.first) + ", " + std::to_string(c.second) + ")";
}

}  // namespace

std::vector<std::string> RouteProblems(const TrackRecord& track)
{
    const RouteFinder finder(track);
    std::vector<Cell> starts, food, exits;
    for (int x = 1; x <= GroundWidth; ++x)
        for (int y = 1; y <= GroundHeight; ++y) {
            const int code = finder.Code({x, y});
            if (code == Blocks::WormholeStart) starts.push_back({x, y});
            if (code == Blocks::WormholeExit) exits.push_back({x, y});
            if (IsFoodCode(code)) food.push_back({x, y});
        }
    const auto reachesExit = [&](const Region& reached) {
        for (const Cell& e : exits)
            if (reached.contains(e))
                return true;
        return false;
    };
    std::vector<std::string> problems;
    for (const Cell& start : starts) {
        const Kit kit = finder.Explore(start);
        const Region reached = finder.Reach(start, kit);
        if (!reachesExit(reached))
            problems.push_back("no exit can be reached from the start at " + Where(start));
        for (const Cell& f : food) {
            if (!reached.contains(f))
                problems.push_back("the food at " + Where(f) + " cannot be reached from " + Where(start));
            else if (!reachesExit(finder.Reach(f, kit)))
                problems.push_back("no exit can be reached after the food at " + Where(f));
        }
    }
    return problems;
}
