#include "city/pack/transfer_table.h"

#include <algorithm>
#include <set>
#include <utility>

namespace tnx::city {
namespace {

std::string CellSubject(int a, int b) { return "cell (" + std::to_string(a) + ", " + std::to_string(b) + ")"; }

TTransferOption* FreeOption(TTransferTable& table, int a, int b) {
    for (TTransferOption& option : table.Cells[a - 1][b - 1])
        if (option.Minutes == 0) return &option;
    return nullptr;
}

bool CheckEnd(const CitySource& source, const TransferSource& t, int number, const char* field, PackErrors& errors) {
    const std::string subject = "transfer " + std::to_string(t.from) + " -> " + std::to_string(t.to);
    if (number > static_cast<int>(source.stations.size())) {
        errors.Add(subject, t.where, field, "station " + std::to_string(number) + " does not exist");
        return false;
    }
    const StationSource& s = source.stations[static_cast<std::size_t>(number - 1)];
    if (!s.inOperation) {
        errors.Add(subject, t.where, field, StationSubject(s) + " is not in operation");
        return false;
    }
    return true;
}

}  // namespace

TTransferTable BuildTransferTable(const CitySource& source, PackErrors& errors) {
    TTransferTable table{};
    std::set<std::pair<int, int>> seen;
    for (const TransferSource& t : source.transfers) {
        // Both ends are checked, so that one run reports both faults.
        const bool fromValid = CheckEnd(source, t, t.from, "From", errors);
        const bool toValid = CheckEnd(source, t, t.to, "To", errors);
        if (!fromValid || !toValid) continue;
        const int a = source.stations[static_cast<std::size_t>(t.from - 1)].line;
        const int b = source.stations[static_cast<std::size_t>(t.to - 1)].line;
        if (a < 1 || a > kMaxLines || b < 1 || b > kMaxLines) continue;  // CheckStations has said why
        const std::string subject = CellSubject(a, b);
        if (a == b) {
            errors.Add(subject, t.where, "To",
                       "stations " + std::to_string(t.from) + " and " + std::to_string(t.to) + " are both on line " +
                           std::to_string(a));
            continue;
        }
        if (t.minutes == 0) {
            errors.Add(subject, t.where, "Minutes", "a transfer takes at least 1 minute");
            continue;
        }
        if (!seen.insert(std::minmax(t.from, t.to)).second) {
            errors.Add(subject, t.where, "From",
                       "the transfer between stations " + std::to_string(t.from) + " and " + std::to_string(t.to) +
                           " is given twice; give it once, it is mirrored");
            continue;
        }
        TTransferOption* there = FreeOption(table, a, b);
        TTransferOption* back = FreeOption(table, b, a);
        if (!there || !back) {
            errors.Add(subject, t.where, "From",
                       "lines " + std::to_string(a) + " and " + std::to_string(b) +
                           " already have two transfers; a cell holds two options");
            continue;
        }
        const auto from = static_cast<std::uint8_t>(t.from);
        const auto to = static_cast<std::uint8_t>(t.to);
        const auto minutes = static_cast<std::uint8_t>(t.minutes);
        *there = {from, to, minutes};
        *back = {to, from, minutes};
    }
    return table;
}

}  // namespace tnx::city
