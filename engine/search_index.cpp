#include "engine/search_index.h"

#include <algorithm>
#include <cstring>

#include "engine/line_ride.h"

namespace tnx {
namespace {

void BuildRides(const TCity& city, TSearchIndex& index) {
    // Only rows and columns 1..NumOfStations are ever read.
    const int n = city.NumOfStations;
    for (int from = 1; from <= n; ++from) {
        const auto f = static_cast<std::uint8_t>(from);
        const int directions = OnRingLine(city, f) ? 2 : 1;
        for (int to = 1; to <= n; ++to) {
            const auto t = static_cast<std::uint8_t>(to);
            // Links stay on their line (the loader refuses others), so a ride to
            // another line's station never meets it.
            const bool sameLine = city.Station(t).Line == city.Station(f).Line;
            for (int d = 0; d < 2; ++d) {
                TRideEntry& e = index.Rides[from][to][d];
                if (!sameLine) {
                    e.Possible = false;
                    continue;
                }
                if (d >= directions) {
                    e = index.Rides[from][to][0];
                    continue;
                }
                int minutes = 0;
                e.Possible =
                    RideLineWithoutWait(city, f, t, static_cast<TDirection>(d), e.Stations, minutes) && minutes <= 255;
                e.Minutes = static_cast<std::uint8_t>(e.Possible ? minutes : 0);
                e.ZeroLength = from == to;
            }
        }
    }
}

void BuildMinChanges(const TCity& city, TSearchIndex& index) {
    const int lines = city.NumOfLines;
    // An edge from line a to the line of every station a transfer from a arrives at:
    // that is where the search goes on from, even in data whose cells disagree.
    bool edge[kMaxLines + 1][kMaxLines + 1] = {};
    for (int a = 1; a <= lines; ++a)
        for (int b = 1; b <= lines; ++b)
            for (int k = 1; k <= 2; ++k) {
                const TTransferOption& o = city.Transfer(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), k);
                if (o.Minutes == 0 || o.ToStation < 1 || o.ToStation > city.NumOfStations) continue;
                const int arrival = city.Station(o.ToStation).Line;
                if (arrival >= 1 && arrival <= kMaxLines) edge[a][arrival] = true;
            }
    std::memset(index.MinChanges, 0xFF, sizeof index.MinChanges);
    for (int start = 1; start <= lines; ++start) {
        std::uint8_t* dist = index.MinChanges[start];
        dist[start] = 0;
        int queue[kMaxLines + 1];
        int head = 0, tail = 0;
        queue[tail++] = start;
        while (head < tail) {
            const int a = queue[head++];
            for (int b = 1; b <= kMaxLines; ++b) {
                if (!edge[a][b] || dist[b] != 0xFF) continue;
                dist[b] = static_cast<std::uint8_t>(dist[a] + 1);
                queue[tail++] = b;
            }
        }
    }
}

}  // namespace

void BuildSearchIndex(const TCity& city, TSearchIndex& index) {
    BuildRides(city, index);
    BuildMinChanges(city, index);
}

}  // namespace tnx
