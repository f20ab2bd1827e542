// tnx-relayout CITY_FOLDER --move N,N,... [--reach D] [--iterations N] [--window X0,Y0,X1,Y1]
//                  [--radius R] [--label-steps N] [--owner-weight W] [--seed N] [--write]
//
// Moves the listed stations by up to D pixels each so that every name can be placed
// clear of tracks, transfers, marks and other names, while lines stay straight,
// marks keep clear of other lines and the direction rule of a ride still reaches
// every station of its line. Names are judged on a half-pixel raster, slightly
// stricter than tnx-draw's check; run tnx-place afterwards for the exact Labels.
// Only names of stations inside the window are judged. Prints the score as it
// goes and, at the end, the names with no free spot, the touching names and the
// new positions; --write stores the positions.
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <random>
#include <cstring>
#include <set>
#include <sstream>
#include "city/draw/layout/stations_file_edit.h"
#include "city/draw/scheme_layout.h"
#include "city/source/city_source.h"
namespace {
using namespace tnx::city; using namespace tnx::city::draw;
constexpr int W = 591, H = 575, S = 2;  // raster cells per pixel
struct Seg { double ax, ay, bx, by, hw; };
struct Rel { double l, t, r, b; };
struct Cand { int combo, dx, dy; double cost; };
int N; CitySource city; std::vector<int> X, Y, X0, Y0; std::vector<bool> movable; std::map<int,int> byNo;
std::vector<std::array<Rel,16>> rel; std::vector<bool> hasSpace;
std::vector<std::vector<QPointF>> ringArc;  // fixed ring polylines, per station index (to next)
std::vector<int> forb; // SAT (W*S+1)*(H*S+1)
int R = 8;
int labelSteps = 3000;
double DistSeg(double px, double py, const Seg& s) {
    double vx = s.bx - s.ax, vy = s.by - s.ay, L = vx*vx + vy*vy;
    double t = L > 0 ? std::clamp(((px - s.ax)*vx + (py - s.ay)*vy) / L, 0.0, 1.0) : 0;
    return std::hypot(px - s.ax - t*vx, py - s.ay - t*vy);
}
void Segments(std::vector<Seg>& segs, std::vector<std::pair<QPointF,double>>& marks) {
    segs.clear(); marks.clear();
    for (int i = 0; i < N; ++i) {
        const auto& st = city.stations[i];
        if (st.next) {
            int j = byNo[st.next]; double hw = (st.inOperation && city.stations[j].inOperation ? 5.0 : 3.0) / 2;
            if (!ringArc[i].empty()) { for (size_t k = 1; k < ringArc[i].size(); ++k) segs.push_back({ringArc[i][k-1].x(), ringArc[i][k-1].y(), ringArc[i][k].x(), ringArc[i][k].y(), hw}); }
            else if (st.bendToNext && st.bendToNext->x) { segs.push_back({X[i]+.5, Y[i]+.5, st.bendToNext->x+.5, st.bendToNext->y+.5, hw}); segs.push_back({st.bendToNext->x+.5, st.bendToNext->y+.5, X[j]+.5, Y[j]+.5, hw}); }
            else segs.push_back({X[i]+.5, Y[i]+.5, X[j]+.5, Y[j]+.5, hw});
        }
        marks.push_back({QPointF(X[i]+.5, Y[i]+.5), st.inOperation ? 4.5 : 3.25});
    }
    for (auto& t : city.transfers) { int a = byNo[t.from], b = byNo[t.to]; segs.push_back({X[a]+.5, Y[a]+.5, X[b]+.5, Y[b]+.5, 3.5}); }
}
void Raster() {
    std::vector<Seg> segs; std::vector<std::pair<QPointF,double>> marks; Segments(segs, marks);
    const int GW = W*S, GH = H*S; std::vector<char> g(GW*GH, 0);
    const double half = 0.5 / S * std::sqrt(2.0);
    auto paint = [&](double x0, double y0, double x1, double y1, auto inside) {
        int cx0 = std::max(0, int(std::floor(x0*S))), cx1 = std::min(GW-1, int(std::ceil(x1*S)));
        int cy0 = std::max(0, int(std::floor(y0*S))), cy1 = std::min(GH-1, int(std::ceil(y1*S)));
        for (int cy = cy0; cy <= cy1; ++cy) for (int cx = cx0; cx <= cx1; ++cx) if (!g[cy*GW+cx] && inside((cx+.5)/S, (cy+.5)/S)) g[cy*GW+cx] = 1;
    };
    for (auto& s : segs) { double m = s.hw + 1 + half; paint(std::min(s.ax,s.bx)-m, std::min(s.ay,s.by)-m, std::max(s.ax,s.bx)+m, std::max(s.ay,s.by)+m, [&](double px, double py){ return DistSeg(px,py,s) < m; }); }
    for (auto& [c, r] : marks) { double m = r + 1 + half; paint(c.x()-m, c.y()-m, c.x()+m, c.y()+m, [&](double px, double py){ return std::hypot(px-c.x(), py-c.y()) < m; }); }
    forb.assign((GW+1)*(GH+1), 0);
    for (int y = 0; y < GH; ++y) for (int x = 0; x < GW; ++x) forb[(y+1)*(GW+1)+x+1] = g[y*GW+x] + forb[y*(GW+1)+x+1] + forb[(y+1)*(GW+1)+x] - forb[y*(GW+1)+x];
}
// Raster cells under the box that a name may not cover; 0 when the box is free.
int Blocked(double l, double t, double r, double b) {
    if (l < 0 || t < 0 || r > W || b > H) return 1 << 20;
    const int GW = W*S;
    int x0 = std::floor(l*S), x1 = std::min(GW, int(std::ceil(r*S))), y0 = std::floor(t*S), y1 = std::min(H*S, int(std::ceil(b*S)));
    return forb[y1*(GW+1)+x1] - forb[y0*(GW+1)+x1] - forb[y1*(GW+1)+x0] + forb[y0*(GW+1)+x0];
}
QRectF Ink(int i, const Cand& c) { const Rel& r = rel[i][c.combo]; return QRectF(QPointF(X[i]+.5+r.l+c.dx, Y[i]+.5+r.t+c.dy), QPointF(X[i]+.5+r.r+c.dx, Y[i]+.5+r.b+c.dy)); }
bool Over(const QRectF& a, const QRectF& b) { return a.adjusted(-1,-1,1,1).intersects(b); }
std::vector<int> shown; std::vector<std::vector<Cand>> cands; std::vector<int> pick;
std::mt19937 rng;
double ownerWeight = 0;
double RectDistance(double px, double py, const QRectF& r) {
    return std::hypot(std::max({r.left() - px, 0.0, px - r.right()}), std::max({r.top() - py, 0.0, py - r.bottom()}));
}
bool Crosses(double ax, double ay, double bx, double by, const Seg& s) {
    const auto side = [](double px, double py, double qx, double qy, double rx, double ry) { return (qx-px)*(ry-py) - (qy-py)*(rx-px); };
    const double d1 = side(s.ax, s.ay, s.bx, s.by, ax, ay), d2 = side(s.ax, s.ay, s.bx, s.by, bx, by);
    const double d3 = side(ax, ay, bx, by, s.ax, s.ay), d4 = side(ax, ay, bx, by, s.bx, s.by);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}
// Per shown station: stations of other names and tracks near enough to matter.
std::vector<std::vector<int>> ownerNear; std::vector<std::vector<Seg>> cutNear;
void PrepareOwners() {
    std::vector<Seg> segs; std::vector<std::pair<QPointF,double>> marks; Segments(segs, marks);
    ownerNear.assign(N, {}); cutNear.assign(N, {});
    for (int own : shown) {
        const QString name = StationDisplayName(city.stations[own].name);
        for (int other = 0; other < N; ++other) {
            if (other == own || std::abs(X[other] - X[own]) > 150 || std::abs(Y[other] - Y[own]) > 60) continue;
            if (StationDisplayName(city.stations[other].name) != name) ownerNear[own].push_back(other);
        }
        const double cx = X[own] + .5, cy = Y[own] + .5;
        for (const Seg& s : segs) {
            if (s.hw > 3) continue;  // transfers
            if ((std::abs(s.ax-cx) < .01 && std::abs(s.ay-cy) < .01) || (std::abs(s.bx-cx) < .01 && std::abs(s.by-cy) < .01)) continue;
            if (std::max(s.ax, s.bx) < cx - 150 || std::min(s.ax, s.bx) > cx + 150 || std::max(s.ay, s.by) < cy - 60 || std::min(s.ay, s.by) > cy + 60) continue;
            cutNear[own].push_back(s);
        }
    }
}
// A name nearer to another station's mark than to its own, or with a track between it
// and its mark, reads as another station's.
double OwnerPenalty(int own, const QRectF& k) {
    if (ownerWeight == 0) return 0;
    const double cx = X[own] + .5, cy = Y[own] + .5;
    const double ownDistance = RectDistance(cx, cy, k);
    double penalty = 0;
    for (int other : ownerNear[own]) {
        if (RectDistance(X[other] + .5, Y[other] + .5, k) < ownDistance + 2) penalty += ownerWeight;
    }
    const double nx = std::clamp(cx, k.left(), k.right()), ny = std::clamp(cy, k.top(), k.bottom());
    for (const Seg& s : cutNear[own]) {
        if (Crosses(cx, cy, nx, ny, s)) { penalty += 3 * ownerWeight; break; }
    }
    return penalty;
}
double LabelScore(bool verbose = false) {
    Raster();
    // A name with no free spot costs more the more its least blocked spot is covered,
    // so moves that nearly free it are taken.
    double nofree = 0; cands.assign(N, {});
    PrepareOwners();
    for (int i : shown) {
        int leastBlocked = 1 << 20;
        for (int combo = 0; combo < 16; ++combo) {
            if ((combo & 1) && !hasSpace[i]) continue;
            for (int dx = -R; dx <= R; ++dx) for (int dy = -R; dy <= R; ++dy) {
                Cand c{combo, dx, dy, 1.5*(std::abs(dx)+std::abs(dy)) + ((combo&1) ? 6 : 0) + (((combo>>1)%2) ? 2 : 0) + (((combo>>1)==0||(combo>>1)==4) ? 1 : 0)};
                QRectF k = Ink(i, c);
                const int blocked = Blocked(k.left(), k.top(), k.right(), k.bottom());
                if (blocked == 0) { c.cost += OwnerPenalty(i, k); cands[i].push_back(c); }
                leastBlocked = std::min(leastBlocked, blocked);
            }
        }
        if (cands[i].empty()) { nofree += 1 + std::min(leastBlocked, 400) / 40.0; if (verbose) std::printf("no free spot: station %d %s\n", city.stations[i].number, city.stations[i].name.c_str()); }
        std::sort(cands[i].begin(), cands[i].end(), [](auto& a, auto& b){ return a.cost < b.cost; });
    }
    // greedy + ICM passes
    pick.assign(N, -1);
    std::vector<QRectF> ink(N);
    std::vector<std::vector<int>> near(N);
    for (int i : shown) for (int j : shown) if (j != i && std::abs(X[j]-X[i]) < 2*R+240 && std::abs(Y[j]-Y[i]) < 2*R+50) near[i].push_back(j);
    auto conflicts = [&](int i, const QRectF& k) { int n = 0; for (int j : near[i]) if (pick[j] >= 0 && Over(k, ink[j])) ++n; return n; };
    std::vector<int> order = shown; std::shuffle(order.begin(), order.end(), rng);
    std::sort(order.begin(), order.end(), [&](int a, int b){ return cands[a].size() < cands[b].size(); });
    double total = 0; int overlaps = 0;
    for (int pass = 0; pass < 4; ++pass) {
        bool changed = false;
        for (int i : order) {
            if (cands[i].empty()) continue;
            double best = 1e18; int bi = -1;
            for (size_t k = 0; k < cands[i].size(); ++k) {
                if (cands[i][k].cost > best) break;
                QRectF r = Ink(i, cands[i][k]);
                double v = cands[i][k].cost + 300.0 * conflicts(i, r);
                if (v < best) { best = v; bi = k; }
            }
            if (bi != pick[i]) { changed = true; pick[i] = bi; ink[i] = Ink(i, cands[i][bi]); }
        }
        if (!changed) break;
    }
    // Greedy passes stop at the first arrangement no single name can improve; a short
    // annealing run lets two crowded names trade places.
    std::vector<int> placed; for (int i : shown) if (pick[i] >= 0) placed.push_back(i);
    double score = 0, bestScore = 0;
    std::vector<int> bestPick = pick; std::vector<QRectF> bestInk = ink;
    for (int step = 0; step < labelSteps && !placed.empty(); ++step) {
        const double temperature = 200 * std::pow(0.005, double(step) / labelSteps);
        const int i = placed[rng() % placed.size()];
        const int k = rng() % cands[i].size();
        const QRectF r = Ink(i, cands[i][k]);
        const double delta = cands[i][k].cost + 300.0 * conflicts(i, r) - cands[i][pick[i]].cost - 300.0 * conflicts(i, ink[i]);
        if (delta <= 0 || std::uniform_real_distribution<>(0, 1)(rng) < std::exp(-delta / temperature)) {
            pick[i] = k; ink[i] = r; score += delta;
            if (score < bestScore - 1e-9) { bestScore = score; bestPick = pick; bestInk = ink; }
        }
    }
    pick = bestPick; ink = bestInk;
    for (int i : shown) if (pick[i] >= 0) { total += cands[i][pick[i]].cost; int c = conflicts(i, ink[i]); overlaps += c; if (c && verbose) std::printf("name touches another: station %d %s\n", city.stations[i].number, city.stations[i].name.c_str()); }
    return 1000.0 * nofree + 150.0 * overlaps + total;
}
double GeoPenalty(bool verbose = false) {
    double p = 0;
    for (int i = 0; i < N; ++i) if (movable[i]) p += 0.7 * (std::abs(X[i]-X0[i]) + std::abs(Y[i]-Y0[i]));
    // straightness along lines
    for (int i = 0; i < N; ++i) {
        const auto& st = city.stations[i];
        if (!st.next || !st.prev || st.line == 5) continue;
        int a = byNo[st.prev], c = byNo[st.next];
        if (!movable[i] && !movable[a] && !movable[c]) continue;
        double ux = X[i]-X[a], uy = Y[i]-Y[a], vx = X[c]-X[i], vy = Y[c]-Y[i];
        double cosang = (ux*vx+uy*vy) / (std::hypot(ux,uy)*std::hypot(vx,vy) + 1e-9);
        p += 80 * (1 - cosang);
    }
    for (int i = 0; i < N; ++i) {
        const auto& st = city.stations[i];
        if (!st.next || st.line == 5) continue;
        int j = byNo[st.next];
        if (!movable[i] && !movable[j]) continue;
        double a = std::atan2(double(Y[j]-Y[i]), double(X[j]-X[i])) * 180 / std::numbers::pi;
        double m = std::fmod(std::fmod(a, 45.0) + 45.0, 45.0);
        p += 0.6 * std::min(m, 45 - m);
    }
    // marks clear of other lines' tracks and of other marks
    std::vector<Seg> segs; std::vector<std::pair<QPointF,double>> marks; Segments(segs, marks);
    std::set<std::pair<int,int>> linked; for (auto& t : city.transfers) { linked.insert({byNo[t.from], byNo[t.to]}); linked.insert({byNo[t.to], byNo[t.from]}); }
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) if (j != i && (movable[i] || movable[j])) {
            double d = std::hypot(X[i]-X[j], Y[i]-Y[j]);
            double need = linked.count({i,j}) ? 13 : 16;
            if (linked.count({i,j}) && d > 24) p += 8 * (d - 24);  // long transfer walks read badly
            if (d < need) { p += 40 * (need - d); if (verbose) std::printf("marks too close: stations %d and %d\n", city.stations[i].number, city.stations[j].number); }
        }
    }
    for (auto& s : segs) {
        if (s.hw > 3) continue;  // transfers
        for (int i = 0; i < N; ++i) {
            if (!movable[i]) continue;
            double d = DistSeg(X[i]+.5, Y[i]+.5, s);
            if (d < 0.01) continue;  // its own endpoints
            if (d < 10) {
                // skip segments ending at station i
                if ((std::abs(s.ax-(X[i]+.5))<.01 && std::abs(s.ay-(Y[i]+.5))<.01) || (std::abs(s.bx-(X[i]+.5))<.01 && std::abs(s.by-(Y[i]+.5))<.01)) continue;
                p += 40 * (10 - d); if (verbose) std::printf("mark near another track: station %d\n", city.stations[i].number);
            }
        }
    }
    // direction rule
    for (int i = 0; i < N; ++i) {
        const auto& f = city.stations[i]; if (f.line == 5 || !f.next || !f.prev) continue;
        // chain order
        for (int j = 0; j < N; ++j) {
            const auto& g = city.stations[j]; if (g.line != f.line || j == i || f.next == g.number || f.prev == g.number) continue;
            int n = byNo[f.next], pr = byNo[f.prev];
            long dn = long(X[n]-X[j])*(X[n]-X[j]) + long(Y[n]-Y[j])*(Y[n]-Y[j]);
            long dp = long(X[pr]-X[j])*(X[pr]-X[j]) + long(Y[pr]-Y[j])*(Y[pr]-Y[j]);
            bool forward = !(dn > dp);
            // is j forward of i?
            int k = i; bool fwd = false; while (city.stations[k].next) { k = byNo[city.stations[k].next]; if (k == j) { fwd = true; break; } }
            if (forward != fwd) { p += 500; if (verbose) std::printf("direction rule misses: %d -> %d\n", f.number, g.number); }
        }
    }
    return p;
}
}  // namespace

int main(int argc, char** argv) {
    std::string folder, moveList, window;
    long iters = 20000; int D = 20; bool write = false;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--move") && hasValue) moveList = argv[++i];
        else if (!std::strcmp(argv[i], "--reach") && hasValue) D = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--iterations") && hasValue) iters = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--window") && hasValue) window = argv[++i];
        else if (!std::strcmp(argv[i], "--radius") && hasValue) R = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--label-steps") && hasValue) labelSteps = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && hasValue) rng.seed(std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--owner-weight") && hasValue) ownerWeight = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--write")) write = true;
        else if (argv[i][0] != '-' && folder.empty()) folder = argv[i];
        else folder.clear(), i = argc;
    }
    if (folder.empty() || moveList.empty()) {
        std::fprintf(stderr, "usage: tnx-relayout CITY_FOLDER --move N,N,... [--reach D] [--iterations N] [--window X0,Y0,X1,Y1] [--radius R] [--label-steps N] [--owner-weight W] [--seed N] [--write]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); QGuiApplication app(argc, argv);
    const ParseResult parsed = ParseCityFolder(folder);
    if (!parsed.city) { std::fprintf(stderr, "tnx-relayout: %s\n", parsed.error.c_str()); return 1; }
    city = *parsed.city; N = city.stations.size();
    for (int i = 0; i < N; ++i) { byNo[city.stations[i].number] = i; X.push_back(city.stations[i].x); Y.push_back(city.stations[i].y); }
    X0 = X; Y0 = Y; movable.assign(N, false);
    { std::stringstream in(moveList); std::string no; while (std::getline(in, no, ',')) { const auto it = byNo.find(std::atoi(no.c_str())); if (it == byNo.end()) { std::fprintf(stderr, "tnx-relayout: no station %s\n", no.c_str()); return 1; } movable[it->second] = true; } }
    rel.resize(N); hasSpace.resize(N);
    for (int combo = 0; combo < 16; ++combo) {
        CitySource c = city;
        for (auto& st : c.stations) { st.label = {LabelSide(combo >> 1), 0, 0, true, bool(combo & 1)}; }
        SchemeLayout l = LayOutScheme(c);
        for (int i = 0; i < N; ++i) { QRectF k = l.labels[i].ink; rel[i][combo] = {k.left()-X[i]-.5, k.top()-Y[i]-.5, k.right()-X[i]-.5, k.bottom()-Y[i]-.5}; }
    }
    for (int i = 0; i < N; ++i) { hasSpace[i] = StationDisplayName(city.stations[i].name).contains(' '); if (city.stations[i].label.shown) shown.push_back(i); }
    if (!window.empty()) { int x0 = 0, y0 = 0, x1 = W, y1 = H; std::sscanf(window.c_str(), "%d,%d,%d,%d", &x0,&y0,&x1,&y1); std::vector<int> keep; for (int i : shown) if (X[i]>=x0&&X[i]<=x1&&Y[i]>=y0&&Y[i]<=y1) keep.push_back(i); shown = keep; }
    { SchemeLayout l = LayOutScheme(city); ringArc.assign(N, {}); size_t t = 0;
      for (int i = 0; i < N; ++i) if (city.stations[i].next) { if (city.cityCode == 1 && city.stations[i].line == 5) ringArc[i] = l.tracks[t].points; ++t; } }
    double cur = LabelScore() + GeoPenalty();
    std::printf("start %.1f\n", cur); std::fflush(stdout);
    std::vector<int> mov; for (int i = 0; i < N; ++i) if (movable[i]) mov.push_back(i);
    double best = cur; auto bx = X, by = Y;
    for (long it = 0; it < iters && !mov.empty(); ++it) {
        double T = 30 * std::pow(0.01, double(it) / iters);
        int i = mov[rng() % mov.size()];
        int ox = X[i], oy = Y[i];
        int step = 1 + rng() % 4;
        X[i] += (int(rng() % 3) - 1) * step; Y[i] += (int(rng() % 3) - 1) * step;
        if (std::abs(X[i]-X0[i]) > D || std::abs(Y[i]-Y0[i]) > D) { X[i] = ox; Y[i] = oy; continue; }
        double v = LabelScore() + GeoPenalty();
        if (v <= cur || std::uniform_real_distribution<>(0,1)(rng) < std::exp((cur - v) / T)) { cur = v; if (v < best) { best = v; bx = X; by = Y; } }
        else { X[i] = ox; Y[i] = oy; }
        if (it % 200 == 0) { std::printf("it %ld cur %.1f best %.1f\n", it, cur, best); std::fflush(stdout); }
    }
    X = bx; Y = by;
    double ls = LabelScore(true), gp = GeoPenalty(true);
    std::printf("final labels %.1f geo %.1f\n", ls, gp);
    std::map<int, tnx::city::layout::StationEdit> edits;
    for (int i : mov) { std::printf("%d %d %d\n", city.stations[i].number, X[i], Y[i]); edits[city.stations[i].number].position = std::make_pair(X[i], Y[i]); }
    std::string error;
    if (write && !tnx::city::layout::EditStationsFile(folder, edits, error)) { std::fprintf(stderr, "tnx-relayout: %s\n", error.c_str()); return 1; }
    return 0;
}
