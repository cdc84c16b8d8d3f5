#include "finish/fair_starts.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <unordered_map>

#include "analysis/fairness.hpp"
#include "analysis/map_analysis.hpp"
#include "analysis/start_areas.hpp"
#include "finish/harbour_places.hpp"
#include "finish/start_ground.hpp"
#include "mapfile/grid_map.hpp"
#include "mapfile/lattice.hpp"
#include "mapfile/object_codes.hpp"
#include "model/progress.hpp"
#include "objects/object_steps.hpp"
#include "rules/seas.hpp"

namespace swd {

namespace {

// How far the search looks: placements grown from the best few candidates, then starts of
// the best moved, one at a time, to the best few other places while that helps, weakest
// first. Each move tried is a placement walked and rated: their number grows with the
// starts, as seven starts crowd each other much more than two. Where the best is still not
// fair enough, the placements grown from more seeds are improved too, up to kMostSeeds.
constexpr std::size_t kSeeds = 6;
constexpr std::size_t kMostSeeds = 12;
constexpr int kClimbSweeps = 12;
constexpr int kCandidatesPerStart = 25;
constexpr int kMovesTried = 16;
constexpr int kRatingsForTwoStarts = 8;
constexpr int kRatingsPerFurtherStart = 60;
// Below this index the other starts move too, to make room for the weakest or to leave it no
// longer behind, and more placements are improved; above it only the weakest moves, to get
// stronger.
constexpr double kFairEnough = 0.98;
// Of placements about as fair, the one whose weakest start is strongest: an even game on
// empty land is no prize.
constexpr double kWeakestWeight = 0.25;

// Open ground in a start's area that the balance could use: for trees, and for rocks, which
// lie on any walkable ground.
enum : std::uint8_t { kTreeRoom = 1, kRockRoom = 2 };
struct OpenRoom {
  double trees = 0;
  double rocks = 0;
  void Add(std::uint8_t room, double weight) {
    trees += (room & kTreeRoom) != 0 ? weight : 0;
    rocks += (room & kRockRoom) != 0 ? weight : 0;
  }
};

// What the balance can add to a start's wood and stone where its area has open ground: a
// tree on every second vertex of the trees' room, a rock of middling size on every fourth of
// the rocks'.
FigureValues AfterBalance(FigureValues f, const OpenRoom& open) {
  const auto raise = [&](Figure figure, double room) {
    const double level = kFigures[figure].level;
    if (f[figure] < level) f[figure] = std::min(level, f[figure] + std::max(room, 0.0));
  };
  raise(fig::Trees, open.trees / 2);
  raise(fig::Granite, open.rocks / 4 * 3);
  return f;
}

// The start's block as the random placement prepares it: level with the start, no tree,
// rock or decoration on it. The terrain stays.
void PrepareBlock(SwdMap& map, VertexPos centre, std::uint8_t property) {
  const std::uint8_t height = map.At(HeightLayer, centre.x, centre.y);
  ForEachInBlock(map.Width(), map.Height(), centre, [&](VertexPos v) {
    map.At(HeightLayer, v.x, v.y) = height;
    map.At(ObjectTypeLayer, v.x, v.y) = 0;
    map.At(ObjectIndexLayer, v.x, v.y) = 0;
    map.At(PropertyLayer, v.x, v.y) = property;
  });
}

struct Rating {
  int placed = 0;
  double index = 0;
  double weakest = 0;
  std::vector<double> scores;
  std::vector<FigureValues> values;  // per start, as scored
  double Value() const { return index + kWeakestWeight * weakest; }
  bool Beats(const Rating& other) const {
    if (placed != other.placed) return placed > other.placed;
    return Value() > other.Value();
  }
};

class StartFinder {
 public:
  // The map is only read, but for the blocks that BlockEffectAt prepares and puts back.
  StartFinder(SwdMap& map, const StartGround& ground, const StartSearch& search)
      : map_(map), search_(search), ground_(ground) {
    open_.reserve(ground_.facts.size());
    for (std::size_t i = 0; i < ground_.facts.size(); ++i) {
      const VertexPos v{static_cast<int>(i) % ground_.width, static_cast<int>(i) / ground_.width};
      const VertexFacts& f = ground_.facts[i];
      const bool free = map.At(ObjectTypeLayer, v.x, v.y) == 0;
      open_.push_back(static_cast<std::uint8_t>((free && RoomForATree(f) ? kTreeRoom : 0) |
                                                (free && RoomForARock(f) ? kRockRoom : 0)));
    }
    FindBlockRoom();
    FindGroups();
    FindCandidates();
  }

  StartChoice Choose() {
    StartChoice choice;
    if (search_.fallback.size() >= 2) choice.index_before = Rate(search_.fallback, false).index;
    // Rating the candidates alone took about a fifth of the search; each placement improved
    // takes a share of the rest.
    constexpr int kCandidatesShare = kSearchShare / 5;
    Report(kCandidatesShare);
    // The placements grown from the first few seeds, the best first.
    std::vector<std::pair<std::vector<VertexPos>, Rating>> grown;
    grown.reserve(kMostSeeds);
    std::size_t seed = 0;
    const auto grow_next = [&] {
      std::vector<VertexPos> starts = StartsOf(Climb(Grow(seed++)));
      Rating rating = Rate(starts, true);
      grown.emplace_back(std::move(starts), std::move(rating));
    };
    while (seed < candidates_.size() && seed < kSeeds)
      grow_next();
    std::stable_sort(grown.begin(), grown.end(),
                     [](const auto& a, const auto& b) { return a.second.Beats(b.second); });
    // The best improved; where it stays short of fair, the others and then placements grown
    // from further seeds, as improving gets stuck where a placement grown elsewhere does not.
    std::vector<VertexPos> best;
    Rating best_rating;
    for (std::size_t i = 0; i < grown.size(); ++i) {
      auto& [starts, rating] = grown[i];
      Improve(starts, rating);
      Report(kCandidatesShare + (kSearchShare - kCandidatesShare) * static_cast<int>(i + 1) /
                                    static_cast<int>(kMostSeeds));
      if (best.empty() || rating.Beats(best_rating)) {
        best = starts;
        best_rating = rating;
      }
      if (best_rating.index >= kFairEnough) break;
      if (i + 1 == grown.size() && seed < candidates_.size() && seed < kMostSeeds) grow_next();
    }
    if (best.size() < search_.fallback.size()) best = search_.fallback;
    choice.starts = best;
    choice.land_masses = std::move(parts_);
    return choice;
  }

  struct Candidate {
    VertexPos at;
    FigureValues figures{};  // alone on the map, after the balance
    double solo = 0;         // the score of those figures
    double mirror_solo = 0;  // on a symmetric map, the mirror's; else the same as solo
  };

  void Report(int percent) const {
    if (search_.report) search_.report(percent);
  }

  int Group(VertexPos v) const { return group_[ground_.Index(v)]; }
  // What the balance could put on a vertex: kTreeRoom, kRockRoom, both or none.
  std::uint8_t OpenGround(std::size_t i) const { return open_[i]; }
  int Distance(VertexPos a, VertexPos b) const {
    return LatticeDistance(a.x, a.y, b.x, b.y, ground_.width, ground_.height);
  }
  bool FarEnough(VertexPos a, VertexPos b) const {
    return static_cast<float>(Distance(a, b)) >= search_.min_distance;
  }
  VertexPos Mirror(VertexPos v) const { return Mirrored(ground_.width, ground_.height, v); }

  // Whether more than one land mass has room for a start's block. Most maps have one such
  // land mass and islets beside it, and then no ship can join places a start could stand on.
  bool CandidatesMayLieApart(const WalkParts& parts) const {
    int first = -1;
    for (std::size_t i = 0; i < parts.part.size(); ++i) {
      if (block_room_[i] == 0 || parts.part[i] < 0) continue;
      if (first < 0) first = parts.part[i];
      if (parts.part[i] != first) return true;
    }
    return false;
  }

  // Where a start's block could be prepared, whatever land mass it is on: a large site once
  // it is levelled and cleared, so buildable ground at the centre and round it, and land
  // without snow, lava or an object that must stay in the rows of the block.
  void FindBlockRoom() {
    const int w = ground_.width;
    const int h = ground_.height;
    const auto clearable = [&](VertexPos v) {
      const auto kind = KindOfObject(map_.At(ObjectTypeLayer, v.x, v.y));
      return kind == ObjectKind::None || kind == ObjectKind::Tree || kind == ObjectKind::Granite ||
             kind == ObjectKind::Decoration;
    };
    // Land in a row of five round each vertex.
    std::vector<std::uint8_t> land(ground_.facts.size(), 0);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const VertexFacts& f = ground_.facts[ground_.Index({x, y})];
        land[ground_.Index({x, y})] = !f.any_snow_or_lava && f.any_walkable && clearable({x, y});
      }
    }
    std::vector<std::uint8_t> row_land(ground_.facts.size(), 0);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        bool ok = true;
        for (int dx = -kBlockReach; dx <= kBlockReach && ok; ++dx)
          ok = land[ground_.Index({WrapStep(x + dx, w), y})] != 0;
        row_land[ground_.Index({x, y})] = ok ? 1 : 0;
      }
    }
    const auto fits = [&](VertexPos c) {
      if (!ground_.facts[ground_.Index(c)].all_buildable) return false;
      for (const Direction d : kDirections) {
        const auto [nx, ny] = LatticeNeighbour(c.x, c.y, d, w, h);
        if (!ground_.facts[ground_.Index({nx, ny})].all_buildable) return false;
      }
      for (int dy = -kBlockReach; dy <= kBlockReach; ++dy) {
        if (row_land[ground_.Index({c.x, WrapStep(c.y + dy, h)})] == 0) return false;
      }
      return true;
    };
    block_room_.assign(ground_.facts.size(), 0);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x)
        block_room_[ground_.Index({x, y})] = fits({x, y}) ? 1 : 0;
    }
  }

  // Land masses that can reach each other: on foot over the land, and by ship where
  // harbour places will join land masses on a common sea.
  void FindGroups() {
    parts_ = SplitIntoParts(ground_.land);
    const WalkParts& parts = parts_;
    std::vector<int> link(static_cast<std::size_t>(parts.count), -1);
    std::iota(link.begin(), link.end(), 0);
    const auto root = [&](int p) {
      while (link[static_cast<std::size_t>(p)] != p)
        p = link[static_cast<std::size_t>(p)];
      return p;
    };
    if (search_.by_ship && CandidatesMayLieApart(parts)) {
      const Seas seas = FindSeas(ground_.facts, ground_.width, ground_.height);
      const Coast coast(ground_.facts, seas, ground_.width, ground_.height);
      // Each sea joins the land masses next to its coast.
      std::vector<int> port(seas.size.size(), -1);  // per sea: a land mass at its coast
      for (int y = 0; y < ground_.height; ++y) {
        for (int x = 0; x < ground_.width; ++x) {
          const auto& at_coast = coast.SeasAt(ground_.Index({x, y}));
          if (at_coast[0] < 0) continue;
          for (const Direction d : kDirections) {
            const auto [nx, ny] = LatticeNeighbour(x, y, d, ground_.width, ground_.height);
            const int part = parts.part[ground_.Index({nx, ny})];
            if (part < 0) continue;
            for (const int sea : at_coast) {
              if (sea < 0) continue;
              int& other = port[static_cast<std::size_t>(sea)];
              if (other < 0) {
                other = part;
              } else {
                link[static_cast<std::size_t>(root(part))] = root(other);
              }
            }
          }
        }
      }
    }
    group_.assign(parts.part.size(), -1);
    for (std::size_t i = 0; i < group_.size(); ++i) {
      if (parts.part[i] >= 0) group_[i] = root(parts.part[i]);
    }
  }

  // Where a start could stand: the centre of a 5 x 5 block of land that a start's
  // preparation, levelling it and clearing it, makes a large site, so buildable ground at
  // the centre and round it. One candidate for each tile of the map (the nearest the tile's
  // middle), best alone first.
  void FindCandidates() {
    const int w = ground_.width;
    const int h = ground_.height;
    const auto block_ok = [&](VertexPos c) {
      return Group(c) >= 0 && block_room_[ground_.Index(c)] != 0;
    };
    // Tiles a quarter of the starts' distance wide, and no more than about kCandidates of
    // them on the land: a large map has room enough that a coarser look finds fair places.
    std::size_t land = 0;
    for (const int group : group_)
      land += group >= 0 ? 1 : 0;
    const int tile = std::max(
        {4, static_cast<int>(search_.min_distance) / 4,
         static_cast<int>(std::sqrt(static_cast<double>(land) /
                                    (kCandidatesPerStart * std::max(search_.wanted, 2))))});
    // The places of a tile, nearest its middle first.
    std::vector<VertexPos> order;
    for (int y = 0; y < tile; ++y) {
      for (int x = 0; x < tile; ++x)
        order.push_back({x, y});
    }
    const auto gap = [tile](VertexPos o) {
      return std::abs(2 * o.x + 1 - tile) + std::abs(2 * o.y + 1 - tile);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](VertexPos a, VertexPos b) { return gap(a) < gap(b); });
    for (int ty = 0; ty < h; ty += tile) {
      for (int tx = 0; tx < w; tx += tile) {
        for (const VertexPos o : order) {
          const VertexPos c{tx + o.x, ty + o.y};
          if (c.x >= w || c.y >= h || !block_ok(c)) continue;
          if (search_.symmetric) {
            const VertexPos m = Mirror(c);
            if (!block_ok(m) || Group(m) != Group(c) || !FarEnough(c, m)) continue;
          }
          const FigureValues figures = SoloFigures(c);
          const double solo = StartScore(figures);
          candidates_.push_back(
              {c, figures, solo, search_.symmetric ? StartScore(SoloFigures(Mirror(c))) : solo});
          break;
        }
      }
    }
    std::stable_sort(candidates_.begin(), candidates_.end(),
                     [](const Candidate& a, const Candidate& b) { return a.solo > b.solo; });
  }

  // A start's figures with the map to itself, after the balance: what its whole area holds,
  // asked of every candidate. A shorter look, walking only the nearer part of the area,
  // chose less fair places.
  FigureValues SoloFigures(VertexPos c) const {
    WalkLattice(ground_.land, {c}, kDefaultRadius, walk_);
    FigureValues sum{};
    OpenRoom open;
    for (const std::size_t i : walk_.reached) {
      ground_.here[i].AddTo(sum, 1);
      open.Add(OpenGround(i), 1);
    }
    sum[fig::RivalDistance] = kFigures[fig::RivalDistance].level;
    return AfterBalance(sum, open);
  }

  // The starts' figures as the analysis counts them, the rival distance as the crow flies
  // over the lattice (the walk is never shorter), and, with `balanced`, what their prepared
  // blocks and the balance will change.
  Rating Rate(const std::vector<VertexPos>& starts, bool balanced) const {
    Rating r;
    r.placed = static_cast<int>(starts.size());
    if (starts.empty()) return r;
    LatticeWalk& walk = walk_;
    WalkLattice(ground_.land, starts, kDefaultRadius, walk);
    const AreaSums sums = SumAreas(walk, ground_.here, starts.size());
    std::vector<OpenRoom> open(starts.size());
    if (balanced) {
      for (const std::size_t i : walk.reached) {
        const unsigned owners = walk.owners[i];
        if ((owners & (owners - 1)) != 0) continue;  // shared: no one's room
        open[static_cast<std::size_t>(std::countr_zero(owners))].Add(OpenGround(i), 1);
      }
    }
    std::vector<FigureValues>& values = r.values;
    for (std::size_t i = 0; i < starts.size(); ++i) {
      FigureValues f = sums.figures[i];
      if (balanced) {
        const BlockEffect& block = BlockEffectAt(starts[i]);
        for (std::size_t k = 0; k < f.size(); ++k)
          f[k] += block.gain[k];
        open[i].trees -= block.open_taken.trees;
        open[i].rocks -= block.open_taken.rocks;
      }
      int nearest = 2 * kDefaultRadius;
      for (std::size_t j = 0; j < starts.size(); ++j) {
        if (j != i) nearest = std::min(nearest, Distance(starts[i], starts[j]));
      }
      f[fig::RivalDistance] = nearest;
      values.push_back(balanced ? AfterBalance(f, open[i]) : f);
      r.scores.push_back(StartScore(values.back()));
    }
    r.weakest = *std::min_element(r.scores.begin(), r.scores.end());
    r.index = starts.size() < 2 ? 1.0 : RateFairness(values)->index;
    return r;
  }

  // Whether a start at c keeps its distance from the others (and, on a symmetric map, its
  // mirror from them and from itself).
  bool Fits(VertexPos c, const std::vector<VertexPos>& others) const {
    const auto apart = [&](VertexPos p) {
      return std::all_of(others.begin(), others.end(),
                         [&](VertexPos o) { return FarEnough(p, o); });
    };
    return apart(c) && (!search_.symmetric || apart(Mirror(c)));
  }

  void Add(std::vector<VertexPos>& starts, VertexPos c) const {
    starts.push_back(c);
    if (search_.symmetric) starts.push_back(Mirror(c));
  }

  // Starts round `seed`: the best candidates alone that keep their distance, on land masses
  // the seed's can reach; packed where those leave no room for all the starts wanted.
  std::vector<std::size_t> Grow(std::size_t seed) const {
    std::vector<std::size_t> chosen{seed};
    std::vector<VertexPos> starts = StartsOf(chosen);
    const int group = Group(candidates_[seed].at);
    for (std::size_t c = 0; c < candidates_.size(); ++c) {
      if (static_cast<int>(starts.size()) >= search_.wanted) break;
      if (Group(candidates_[c].at) == group && Fits(candidates_[c].at, starts)) {
        chosen.push_back(c);
        Add(starts, candidates_[c].at);
      }
    }
    if (static_cast<int>(starts.size()) < search_.wanted) {
      std::vector<std::size_t> packed = Pack(seed);
      if (packed.size() > chosen.size()) return packed;
    }
    return chosen;
  }

  // Starts round `seed` packed as tightly as their distance allows: each next start the
  // candidate that takes the room of fewest others still open, the better alone of those
  // alike. Where the best candidates alone leave gaps too narrow for a start, as on a ring
  // of land, this places more.
  std::vector<std::size_t> Pack(std::size_t seed) const {
    std::vector<std::size_t> chosen{seed};
    std::vector<VertexPos> starts = StartsOf(chosen);
    const int group = Group(candidates_[seed].at);
    std::vector<std::size_t> open;
    for (std::size_t c = 0; c < candidates_.size(); ++c) {
      if (Group(candidates_[c].at) == group && Fits(candidates_[c].at, starts)) open.push_back(c);
    }
    while (static_cast<int>(starts.size()) < search_.wanted && !open.empty()) {
      std::size_t best = open.front();
      std::size_t least_taken = open.size() + 1;
      for (const std::size_t a : open) {
        std::vector<VertexPos> at;
        Add(at, candidates_[a].at);
        const auto taken = static_cast<std::size_t>(std::count_if(
            open.begin(), open.end(), [&](std::size_t b) { return !Fits(candidates_[b].at, at); }));
        if (taken < least_taken) {
          best = a;
          least_taken = taken;
        }
      }
      chosen.push_back(best);
      Add(starts, candidates_[best].at);
      std::erase_if(open, [&](std::size_t c) { return !Fits(candidates_[c].at, starts); });
    }
    return chosen;
  }

  std::vector<VertexPos> StartsOf(const std::vector<std::size_t>& chosen) const {
    std::vector<VertexPos> starts;
    for (const std::size_t c : chosen)
      Add(starts, candidates_[c].at);
    return starts;
  }

  // Moves starts between candidates while the starts' scores alone get fairer: a cheap
  // search over many placements, each judged by its candidates' scores alone, before the
  // few best are walked as the analysis walks them. Ends when no single move helps.
  std::vector<std::size_t> Climb(std::vector<std::size_t> chosen) const {
    const auto value = [&](const std::vector<std::size_t>& units) {
      double sum = 0;
      double least = 1e9;
      for (const std::size_t c : units) {
        for (const double s : {candidates_[c].solo, candidates_[c].mirror_solo}) {
          sum += s;
          least = std::min(least, s);
        }
      }
      const double mean = sum / (2.0 * static_cast<double>(units.size()));
      return (mean > 0 ? least / mean : 1.0) + kWeakestWeight * least;
    };
    double current = value(chosen);
    for (int sweep = 0; sweep < kClimbSweeps; ++sweep) {
      bool moved = false;
      for (std::size_t u = 0; u < chosen.size(); ++u) {
        std::vector<std::size_t> others_units = chosen;
        others_units.erase(others_units.begin() + static_cast<std::ptrdiff_t>(u));
        const std::vector<VertexPos> others = StartsOf(others_units);
        const int group = Group(candidates_[chosen[u]].at);
        for (std::size_t c = 0; c < candidates_.size(); ++c) {
          if (std::find(chosen.begin(), chosen.end(), c) != chosen.end() ||
              Group(candidates_[c].at) != group || !Fits(candidates_[c].at, others)) {
            continue;
          }
          std::vector<std::size_t> trial = chosen;
          trial[u] = c;
          const double v = value(trial);
          if (v > current + 1e-9) {
            chosen = std::move(trial);
            current = v;
            moved = true;
            break;
          }
        }
      }
      if (!moved) break;
    }
    return chosen;
  }

  // Moves a start (with its mirror) to where the starts are fairer, while that helps and
  // the ratings allowed last: the weakest start first, and while the starts are not yet fair
  // enough, the others after it.
  void Improve(std::vector<VertexPos>& starts, Rating& rating) const {
    const std::size_t unit = search_.symmetric ? 2 : 1;
    int ratings_left =
        kRatingsForTwoStarts + kRatingsPerFurtherStart * (static_cast<int>(starts.size()) - 2);
    bool improved = true;
    while (improved && starts.size() > unit && ratings_left > 0) {
      // The units' weaker starts, weakest first.
      std::vector<std::size_t> order;
      for (std::size_t first = 0; first < starts.size(); first += unit) {
        const auto scores = rating.scores.begin() + static_cast<std::ptrdiff_t>(first);
        order.push_back(static_cast<std::size_t>(
            std::min_element(scores, scores + static_cast<std::ptrdiff_t>(unit)) -
            rating.scores.begin()));
      }
      std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rating.scores[a] < rating.scores[b];
      });
      const std::size_t units_tried = rating.index < kFairEnough ? order.size() : 1;
      improved = false;
      for (std::size_t k = 0; k < units_tried && !improved; ++k) {
        const std::size_t first = order[k] / unit * unit;
        std::vector<VertexPos> others;
        for (std::size_t i = 0; i < starts.size(); ++i) {
          if (i / unit != first / unit) others.push_back(starts[i]);
        }
        std::vector<VertexPos> best_move;
        Rating best_move_rating = rating;
        for (const Candidate* c : MovesFor(rating.values[order[k]], others, starts[0])) {
          if (ratings_left-- <= 0) break;
          std::vector<VertexPos> moved(starts.begin(), starts.begin() + first);
          Add(moved, c->at);
          moved.insert(moved.end(), starts.begin() + first + unit, starts.end());
          const Rating r = Rate(moved, true);
          if (r.Beats(best_move_rating)) {
            best_move = std::move(moved);
            best_move_rating = r;
          }
        }
        if (!best_move.empty()) {
          starts = std::move(best_move);
          rating = best_move_rating;
          improved = true;
        }
      }
    }
  }

  // The places a weak start could move to, those that have most of what it lacks first:
  // a start short of mountains is better off at a mountain's foot than anywhere richer in
  // meadows. Wood and stone are left out, as the balance adds them.
  std::vector<const Candidate*> MovesFor(const FigureValues& weak,
                                         const std::vector<VertexPos>& others,
                                         VertexPos any_start) const {
    FigureValues lack{};
    for (const FigureRow& row : kFigures) {
      if (!row.essential)
        lack[row.figure] = row.weight * (1 - std::min(FigureCredit(row, weak[row.figure]), 1.0));
    }
    std::vector<std::pair<double, const Candidate*>> ranked;
    for (const Candidate& c : candidates_) {
      if (Group(c.at) != Group(any_start) || !Fits(c.at, others)) continue;
      double covers = 0;
      for (const FigureRow& row : kFigures)
        covers += lack[row.figure] * std::min(FigureCredit(row, c.figures[row.figure]), 1.0);
      ranked.emplace_back(covers + c.solo, &c);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<const Candidate*> moves;
    for (std::size_t i = 0; i < ranked.size() && i < kMovesTried; ++i)
      moves.push_back(ranked[i].second);
    return moves;
  }

  // What preparing a start's block at c does to the start: the block, levelled and cleared,
  // makes the sites on and round it larger, and its trees and rocks are gone. Asked of the
  // places the search rates, and kept.
  struct BlockEffect {
    FigureValues gain{};  // on the start's figures
    OpenRoom open_taken;  // open ground the balance keeps clear: the block and a step round
  };
  const BlockEffect& BlockEffectAt(VertexPos c) const {
    const std::size_t key = ground_.Index(c);
    if (const auto known = block_effect_.find(key); known != block_effect_.end())
      return known->second;
    const int w = ground_.width;
    const int h = ground_.height;
    // The block's heights reach the sites two steps round it, and one more where a building's
    // flag would stand.
    constexpr int kReach = kBlockReach + 3;
    std::vector<std::array<std::uint8_t, 4>> kept;
    ForEachInBlock(w, h, c, [&](VertexPos v) {
      kept.push_back({map_.At(HeightLayer, v.x, v.y), map_.At(ObjectTypeLayer, v.x, v.y),
                      map_.At(ObjectIndexLayer, v.x, v.y), map_.At(PropertyLayer, v.x, v.y)});
    });
    PrepareBlock(map_, c, search_.open_property);
    // The block's objects are gone; the ground's facts hold elsewhere.
    const std::vector<VertexPos> block{c};
    const auto facts = [&](int x, int y) {
      const VertexFacts& f = ground_.facts[ground_.Index({x, y})];
      return InAnyBlock(w, h, {x, y}, block) ? f.Cleared() : f;
    };
    BlockEffect effect;
    FigureValues& gain = effect.gain;
    for (int dy = -kReach; dy <= kReach; ++dy) {
      for (int dx = -kReach; dx <= kReach; ++dx) {
        const VertexPos v{(c.x + dx + w) % w, (c.y + dy + h) % h};
        const VertexFigures& before = ground_.here[ground_.Index(v)];
        if (before.site >= 0) gain[before.site] -= 1;
        if (const auto site = SiteFigure(RateSite(map_, v.x, v.y, facts))) gain[*site] += 1;
        if (Distance(v, c) <= kBlockReach + 1)
          effect.open_taken.Add(OpenGround(ground_.Index(v)), 1);
      }
    }
    ForEachInBlock(w, h, c, [&](VertexPos v) {
      const VertexFigures& before = ground_.here[ground_.Index(v)];
      gain[fig::Trees] -= before.tree;
      gain[fig::Granite] -= before.granite;
    });
    std::size_t k = 0;
    ForEachInBlock(w, h, c, [&](VertexPos v) {
      const auto& layers = kept[k++];
      map_.At(HeightLayer, v.x, v.y) = layers[0];
      map_.At(ObjectTypeLayer, v.x, v.y) = layers[1];
      map_.At(ObjectIndexLayer, v.x, v.y) = layers[2];
      map_.At(PropertyLayer, v.x, v.y) = layers[3];
    });
    return block_effect_.emplace(key, effect).first->second;
  }

  SwdMap& map_;
  const StartSearch& search_;
  const StartGround& ground_;
  WalkParts parts_;         // the land masses on foot
  std::vector<int> group_;  // per vertex: the land masses it can reach, -1 off the land
  std::vector<Candidate> candidates_;
  std::vector<std::uint8_t> open_;        // per vertex: the balance's room, kTreeRoom and kRockRoom
  std::vector<std::uint8_t> block_room_;  // per vertex: a start's block could be prepared round it
  mutable LatticeWalk walk_;              // the room of the walks, used again and again
  mutable std::unordered_map<std::size_t, BlockEffect> block_effect_;  // by the block's centre
};

}  // namespace

StartChoice ChooseStarts(SwdMap& map, const StartGround& ground, const StartSearch& search) {
  StartChoice choice = StartFinder(map, ground, search).Choose();
  for (const VertexPos s : choice.starts)
    PrepareBlock(map, s, search.open_property);
  map.header.player_count = static_cast<int>(choice.starts.size());
  for (std::size_t i = 0; i < choice.starts.size() && i < 7; ++i) {
    map.header.hq_x[i + 1] = static_cast<std::uint16_t>(choice.starts[i].x);
    map.header.hq_y[i + 1] = static_cast<std::uint16_t>(choice.starts[i].y);
  }
  return choice;
}

void ChooseFairStarts(Generator& g) {
  BeginStep(g, MessageKey::StatusChooseFairStarts);
  SwdMap map = MapOfGrid(g);
  StartSearch search;
  search.symmetric = g.run.symmetric;
  search.wanted = search.symmetric ? g.settings.PlayerCount / 2 * 2 : g.settings.PlayerCount;
  for (int p = 1; p <= g.run.PlayerCount && p <= 7; ++p)
    search.fallback.push_back({g.HqX[p], g.HqY[p]});
  search.min_distance = HeadquartersDistance(g.run);
  search.by_ship = g.run.harbours;
  search.open_property = g.tables.ClassPropertyCode[OpenLand];
  search.report = [&g](int percent) { ReportProgress(g, percent); };
  StartGround ground = ReadStartGround(map);
  const StartChoice choice = ChooseStarts(map, ground, search);
  // A block cleared of a large decoration opens its vertex to the walk, and may join land
  // masses: then they are split anew.
  const bool walk_changed = ReadBlocksAgain(ground, map, choice.starts);
  // The harbour places come before the balance, which keeps its trees and rocks clear of
  // them, and not after it, where preparing a place would clear some of them again.
  static_assert(StartGround::kWalk == WalkRule::OverLand, "the harbour places walk over land");
  if (g.run.harbours) {
    PlaceHarbours(map, choice.starts, ground.facts, ground.land,
                  walk_changed ? nullptr : &choice.land_masses);
  }
  StoreInGrid(g, map);
  g.fairness_before = choice.index_before;
  // The ground read before the harbour places were prepared still holds outside them, where
  // the balance puts its trees and rocks: it stays two steps clear of a harbour place, beyond
  // what preparing the place changed.
  BalanceWoodAndStone(g, map, ground, choice.starts);
  EndStep(g);
}

}  // namespace swd
