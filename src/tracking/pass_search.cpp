#include "tracking/pass_search.h"

#include <algorithm>

#include "tracking/orbit_model.h"

namespace orvant {

namespace {

constexpr UtcSecond kSampleStep = 30;
constexpr UtcSecond kSecondsPerDay = 86400;
// How far past the searched span the edges of a pass under way at either end are looked for.
constexpr UtcSecond kEdgeSearch = kSecondsPerDay;
// Where the model has no position, the satellite is out of sight.
constexpr double kNoPosition = -90;

class Sky {
  public:
    Sky(const OrbitState& orbit, double minElevation) : orbit_(orbit), min_(minElevation) {}

    SkyFix fixAt(UtcSecond s) const {
        return skyFixAt(orbit_, static_cast<double>(s) / kSecondsPerDay);
    }
    double elevation(UtcSecond s) const {
        const SkyFix fix = fixAt(s);
        return fix.fault.empty() ? fix.elevationDeg : kNoPosition;
    }
    bool inView(double elevation) const { return elevation >= min_; }
    bool inViewAt(UtcSecond s) const { return inView(elevation(s)); }

    // The first second after `lo` up to `hi` whose being in view is `wanted`, `hi` being such a
    // second and `lo` not.
    UtcSecond firstWith(UtcSecond lo, UtcSecond hi, bool wanted) const {
        while (hi - lo > 1) {
            const UtcSecond mid = lo + (hi - lo) / 2;
            (inViewAt(mid) == wanted ? hi : lo) = mid;
        }
        return hi;
    }

    // The second of the highest elevation from `lo` to `hi`, where the elevation has one peak.
    UtcSecond highestWithin(UtcSecond lo, UtcSecond hi) const {
        while (hi - lo > 2) {
            const UtcSecond third = (hi - lo) / 3;
            if (elevation(lo + third) < elevation(hi - third))
                lo = lo + third + 1;  // the peak lies past the first third
            else
                hi = hi - third - 1;  // before the last
        }
        UtcSecond best = lo;
        for (UtcSecond s = lo + 1; s <= hi; ++s)
            if (elevation(s) > elevation(best)) best = s;
        return best;
    }

  private:
    const OrbitState& orbit_;
    double min_;
};

struct Sample {
    UtcSecond at;
    double elevation;
};

std::vector<Sample> samples(const Sky& sky, UtcSecond first, UtcSecond last) {
    std::vector<Sample> out;
    for (UtcSecond s = first;; s = std::min(s + kSampleStep, last)) {
        out.push_back({s, sky.elevation(s)});
        if (s == last) break;
    }
    return out;
}

// A pass that peaks between samples without any sample in view: the sample `k` stands higher
// than both its neighbours.
bool peaksUnseenAt(const Sky& sky, const std::vector<Sample>& v, std::size_t k) {
    return k >= 1 && k + 1 < v.size() && !sky.inView(v[k].elevation) &&
           v[k].elevation > v[k - 1].elevation && v[k].elevation >= v[k + 1].elevation;
}

// The highest second of a pass, near the highest sample within it.
void findTop(const Sky& sky, const std::vector<Sample>& v, Pass& p, UtcSecond first,
             UtcSecond last) {
    const UtcSecond from = p.rise.value_or(first);
    const UtcSecond to = p.set ? *p.set - 1 : last;
    UtcSecond best = from;
    for (const Sample& s : v)
        if (s.at >= from && s.at <= to && s.elevation > sky.elevation(best)) best = s.at;
    p.top = sky.highestWithin(std::max(from, best - kSampleStep), std::min(to, best + kSampleStep));
    p.topElevationDeg = sky.elevation(p.top);
}

}  // namespace

std::vector<Pass> findPasses(const OrbitState& orbit, double minElevationDeg, UtcSecond from,
                             UtcSecond to) {
    const Sky sky(orbit, minElevationDeg);
    const UtcSecond first = sky.inViewAt(from) ? from - kEdgeSearch : from;
    const UtcSecond last = sky.inViewAt(to) ? to + kEdgeSearch : to;
    const std::vector<Sample> v = samples(sky, first, last);

    std::vector<Pass> passes;
    if (sky.inView(v[0].elevation)) passes.emplace_back();
    for (std::size_t k = 1; k < v.size(); ++k) {
        const bool wasIn = sky.inView(v[k - 1].elevation);
        const bool isIn = sky.inView(v[k].elevation);
        if (!wasIn && isIn) {
            passes.push_back({.rise = sky.firstWith(v[k - 1].at, v[k].at, true), .set = {}});
        } else if (wasIn && !isIn) {
            passes.back().set = sky.firstWith(v[k - 1].at, v[k].at, false);
        } else if (peaksUnseenAt(sky, v, k)) {
            const UtcSecond top = sky.highestWithin(v[k - 1].at, v[k + 1].at);
            if (sky.inViewAt(top))
                passes.push_back({.rise = sky.firstWith(v[k - 1].at, top, true),
                                  .set = sky.firstWith(top, v[k + 1].at, false)});
        }
    }

    std::vector<Pass> found;
    for (Pass& p : passes) {
        if ((p.set && *p.set <= from) || (p.rise && *p.rise > to)) continue;
        if (p.rise) p.riseAzimuthDeg = sky.fixAt(*p.rise).azimuthDeg;
        if (p.set) p.setAzimuthDeg = sky.fixAt(*p.set).azimuthDeg;
        findTop(sky, v, p, first, last);
        found.push_back(p);
    }
    return found;
}

}  // namespace orvant
