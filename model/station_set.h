// Station and line sets of the route records.
#pragma once

#include <cstdint>
#include <cstring>

namespace tnx {

// 256 bits: station n is bit n % 8 of byte n / 8.
struct TStationSet {
    std::uint8_t Bits[32];

    void Clear() { std::memset(Bits, 0, sizeof Bits); }
    void Add(std::uint8_t n) { Bits[n >> 3] |= static_cast<std::uint8_t>(1u << (n & 7)); }
    bool Has(std::uint8_t n) const { return (Bits[n >> 3] >> (n & 7)) & 1u; }
    bool Empty() const {
        for (std::uint8_t b : Bits)
            if (b != 0) return false;
        return true;
    }
    void Unite(const TStationSet& other) {
        for (int i = 0; i < 32; ++i) Bits[i] |= other.Bits[i];
    }
    bool SubsetOf(const TStationSet& other) const {
        for (int i = 0; i < 32; ++i)
            if ((Bits[i] & ~other.Bits[i]) != 0) return false;
        return true;
    }
    friend bool operator==(const TStationSet& a, const TStationSet& b) {
        return std::memcmp(a.Bits, b.Bits, sizeof a.Bits) == 0;
    }
};

static_assert(sizeof(TStationSet) == 32);

// Bit n for line n.
using TLineSet = std::uint16_t;

inline TLineSet LineBit(std::uint8_t line) { return static_cast<TLineSet>(1u << line); }

}  // namespace tnx
