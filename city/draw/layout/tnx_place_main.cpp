// tnx-place CITY_FOLDER [--radius R] [--iterations N] [--region X0,Y0,X1,Y1] [--owner-weight W] [--write]
//
// Searches a Label for every shown station name so that no name touches a track,
// a transfer, a mark or another name, by the same rules as tnx-draw's check.
// Each name may take any side, one or two lines, and an offset of up to R pixels;
// near and plain placements are preferred. Names of stations outside the region
// keep their Label. Prints the stations with no free spot at all (the scheme must
// change there) and the names still touching, and with --write stores the Labels.
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "city/draw/label_clashes.h"
#include "city/draw/label_reading.h"
#include "city/draw/layout/stations_file_edit.h"
#include "city/draw/scheme_layout.h"
#include "city/draw/scheme_style.h"
#include "city/source/city_source.h"

namespace {

using namespace tnx::city;
using namespace tnx::city::draw;
using tnx::kSchemeHeight;
using tnx::kSchemeWidth;

constexpr const char* kSideNames[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};

bool TouchesDrawing(const QRectF& ink, const SchemeLayout& layout) {
    const bool onScheme =
        ink.left() >= 0 && ink.top() >= 0 && ink.right() <= kSchemeWidth && ink.bottom() <= kSchemeHeight;
    return !onScheme || !FindDrawingClash(ink, layout).empty();
}

struct Placement {
    LabelPlacement label;
    QRectF ink;
    double cost = 0;  // offset, two lines and diagonal sides cost a little
    bool free = true;
    bool besideMark = false;  // heads a list, as tnx-draw's reading check sees it
};

// A name nearer to another station's mark than to its own reads as that station's.
double OwnerPenalty(const StationSource& station, const QRectF& ink, const SchemeLayout& drawing, double weight) {
    const QString name = StationDisplayName(station.name);
    return weight * (MarksNearerThanOwn(ink, name, drawing, 2).size() + (TrackCutsNameOff(ink, name, drawing) ? 3 : 0));
}

std::string LabelField(const LabelPlacement& label) {
    std::string field = kSideNames[static_cast<int>(label.side)];
    if (label.twoLines) field += "/";
    if (label.dx != 0 || label.dy != 0) {
        field += ',';
        field += std::to_string(label.dx);
        field += ',';
        field += std::to_string(label.dy);
    }
    return field;
}

struct Options {
    std::string folder;
    int radius = 9;
    long iterations = 2000000;
    QRectF region{-1e9, -1e9, 2e9, 2e9};
    double ownerWeight = 30;
    bool write = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--radius") && hasValue) {
            options.radius = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--iterations") && hasValue) {
            options.iterations = std::atol(argv[++i]);
        } else if (!std::strcmp(argv[i], "--region") && hasValue) {
            int x0, y0, x1, y1;
            if (std::sscanf(argv[++i], "%d,%d,%d,%d", &x0, &y0, &x1, &y1) != 4) return false;
            options.region = QRectF(QPointF(x0, y0), QPointF(x1, y1));
        } else if (!std::strcmp(argv[i], "--owner-weight") && hasValue) {
            options.ownerWeight = std::atof(argv[++i]);
        } else if (!std::strcmp(argv[i], "--write")) {
            options.write = true;
        } else if (argv[i][0] != '-' && options.folder.empty()) {
            options.folder = argv[i];
        } else {
            return false;
        }
    }
    return !options.folder.empty() && options.radius >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: tnx-place CITY_FOLDER [--radius R] [--iterations N] [--region X0,Y0,X1,Y1] "
                     "[--owner-weight W] [--write]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const ParseResult parsed = ParseCityFolder(options.folder);
    if (!parsed.city) {
        std::fprintf(stderr, "tnx-place: %s\n", parsed.error.c_str());
        return 1;
    }
    const CitySource& city = *parsed.city;
    const SchemeLayout drawing = LayOutScheme(city);

    // The ink of every station's name on each side, in one and two lines, unshifted:
    // a whole-pixel offset moves the ink by exactly that much.
    std::vector<std::vector<QRectF>> baseInk;  // [side * 2 + twoLines][station index]
    for (int side = 0; side < 8; ++side) {
        for (int twoLines = 0; twoLines < 2; ++twoLines) {
            CitySource variant = city;
            for (StationSource& station : variant.stations)
                station.label = {LabelSide(side), 0, 0, true, twoLines == 1};
            std::vector<QRectF> inks;
            for (const StationLabel& label : LayOutScheme(variant).labels) inks.push_back(label.ink);
            baseInk.push_back(inks);
        }
    }

    std::vector<std::size_t> shown;
    std::vector<std::vector<Placement>> choices;
    for (std::size_t s = 0; s < city.stations.size(); ++s) {
        const StationSource& station = city.stations[s];
        if (!station.label.shown) continue;
        const bool movable = options.region.contains(QPointF(station.x, station.y));
        const bool canBreak = StationDisplayName(station.name).contains(u' ') || station.label.twoLines;
        const int reach = std::max({options.radius, std::abs(station.label.dx), std::abs(station.label.dy)});
        const QPointF markCentre(station.x + 0.5, station.y + 0.5);
        std::vector<Placement> all;
        for (int side = 0; side < 8; ++side) {
            for (int twoLines = 0; twoLines < (canBreak ? 2 : 1); ++twoLines) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    for (int dy = -reach; dy <= reach; ++dy) {
                        const LabelPlacement label{LabelSide(side), dx, dy, true, twoLines == 1};
                        const bool current = LabelField(label) == LabelField(station.label);
                        if (!movable && !current) continue;
                        if (!current && (std::abs(dx) > options.radius || std::abs(dy) > options.radius)) continue;
                        const QRectF ink = baseInk[side * 2 + twoLines][s].translated(dx, dy);
                        const double cost = 1.5 * (std::abs(dx) + std::abs(dy)) + (twoLines ? 6 : 0) +
                                            (side % 2 ? 2 : 0) + (side == 0 || side == 4 ? 1 : 0);
                        all.push_back({label, ink, cost + OwnerPenalty(station, ink, drawing, options.ownerWeight),
                                       !TouchesDrawing(ink, drawing), NameBesideMark(ink, markCentre)});
                    }
                }
            }
        }
        std::vector<Placement> free;
        std::copy_if(all.begin(), all.end(), std::back_inserter(free), [](const Placement& p) { return p.free; });
        const QString name = StationDisplayName(station.name);
        if (movable && !free.empty() && std::none_of(free.begin(), free.end(), [&](const Placement& p) {
                return MarksNearerThanOwn(p.ink, name, drawing).empty() && !TrackCutsNameOff(p.ink, name, drawing);
            })) {
            std::printf("no spot of its own: station %d \"%s\"\n", station.number, name.toStdString().c_str());
        }
        if (free.empty()) {
            std::printf("no free spot: station %d \"%s\"\n", station.number,
                        std::string(StationDisplayName(station.name).toStdString()).c_str());
            for (Placement& p : all) p.cost += 1000;
            std::sort(all.begin(), all.end(), [](const Placement& a, const Placement& b) { return a.cost < b.cost; });
            all.resize(std::min<std::size_t>(all.size(), 200));
            free = all;
        }
        // Cheapest first: the search below draws mostly from the front.
        std::stable_sort(free.begin(), free.end(),
                         [](const Placement& a, const Placement& b) { return a.cost < b.cost; });
        shown.push_back(s);
        choices.push_back(free);
    }

    // Annealing over one placement per name; a touching pair costs like a blocked name.
    std::vector<std::size_t> pick(shown.size());
    for (std::size_t k = 0; k < shown.size(); ++k) {
        pick[k] =
            std::min_element(choices[k].begin(), choices[k].end(), [](auto& a, auto& b) { return a.cost < b.cost; }) -
            choices[k].begin();
    }
    std::vector<std::vector<std::size_t>> neighbours(shown.size());
    for (std::size_t a = 0; a < shown.size(); ++a) {
        QRectF reachA;
        for (const Placement& p : choices[a]) reachA = reachA.united(p.ink);
        for (std::size_t b = 0; b < shown.size(); ++b) {
            QRectF reachB;
            for (const Placement& p : choices[b]) reachB = reachB.united(p.ink);
            if (a != b && NamesTouch(reachA.adjusted(-6, -6, 6, 6), reachB)) neighbours[a].push_back(b);
        }
    }
    // A name off its mark stacked on another line's list reads as that line's (the
    // list check follows such names further; one step is what a search can weigh).
    const auto readsInto = [&](std::size_t a, const Placement& pa, std::size_t b, const Placement& pb) {
        const StationSource& sa = city.stations[shown[a]];
        const StationSource& sb = city.stations[shown[b]];
        return !pa.besideMark && pb.besideMark && sa.line != sb.line && sa.inOperation == sb.inOperation &&
               NamesStacked(pa.ink, pb.ink);
    };
    const auto localCost = [&](std::size_t a, std::size_t choice) {
        const Placement& placed = choices[a][choice];
        double cost = placed.cost;
        for (std::size_t b : neighbours[a]) {
            const Placement& other = choices[b][pick[b]];
            if (NamesTouch(placed.ink, other.ink)) cost += 1000;
            if (readsInto(a, placed, b, other) || readsInto(b, other, a, placed) ||
                NamesRunTogether(placed.ink, other.ink)) {
                cost += options.ownerWeight;
            }
        }
        return cost;
    };
    // Each name in turn takes its best place given the others, until none moves.
    for (int pass = 0; pass < 20; ++pass) {
        bool moved = false;
        for (std::size_t a = 0; a < shown.size(); ++a) {
            std::size_t best = pick[a];
            double bestCost = localCost(a, best);
            for (std::size_t choice = 0; choice < choices[a].size() && choices[a][choice].cost < bestCost; ++choice) {
                const double cost = localCost(a, choice);
                if (cost < bestCost) best = choice, bestCost = cost;
            }
            moved |= best != pick[a];
            pick[a] = best;
        }
        if (!moved) break;
    }
    double total = 0;
    double bestTotal = 0;
    std::vector<std::size_t> bestPick = pick;
    std::mt19937 random(42);
    for (long step = 0; step < options.iterations; ++step) {
        const double temperature = 50 * std::pow(0.002, static_cast<double>(step) / options.iterations);
        const std::size_t a = random() % shown.size();
        // Mostly among the cheapest places, now and then any.
        const std::size_t near = std::min<std::size_t>(choices[a].size(), 400);
        const std::size_t choice = random() % 8 ? random() % near : random() % choices[a].size();
        // The change of a's own cost is the change of the whole, touches included.
        const double delta = localCost(a, choice) - localCost(a, pick[a]);
        if (delta <= 0 || std::uniform_real_distribution<>(0, 1)(random) < std::exp(-delta / temperature)) {
            pick[a] = choice;
            total += delta;
            if (total < bestTotal - 1e-9) bestTotal = total, bestPick = pick;
        }
    }
    pick = bestPick;

    std::map<int, tnx::city::layout::StationEdit> edits;
    int touching = 0;
    for (std::size_t a = 0; a < shown.size(); ++a) {
        const StationSource& station = city.stations[shown[a]];
        const Placement& placed = choices[a][pick[a]];
        for (std::size_t b : neighbours[a]) {
            if (b > a && NamesTouch(placed.ink, choices[b][pick[b]].ink)) {
                ++touching;
                std::printf("names touch: stations %d and %d\n", station.number, city.stations[shown[b]].number);
            }
        }
        if (LabelField(placed.label) != LabelField(station.label)) {
            std::printf("%d %s\n", station.number, LabelField(placed.label).c_str());
            edits[station.number].label = LabelField(placed.label);
        }
    }
    double totalCost = 0;
    for (std::size_t a = 0; a < shown.size(); ++a) totalCost += choices[a][pick[a]].cost;
    std::printf("%d pair(s) of names touch; placement cost %.1f\n", touching, totalCost);
    std::string error;
    if (options.write && !tnx::city::layout::EditStationsFile(options.folder, edits, error)) {
        std::fprintf(stderr, "tnx-place: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
