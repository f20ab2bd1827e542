#include "tools/route/route_cli.h"

#include <charconv>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/route_ranking.h"
#include "engine/route_search.h"
#include "engine/route_steps.h"
#include "engine/search_command.h"
#include "model/cp1251.h"
#include "model/lookups.h"
#include "shell/city_loader.h"
#include "shell/city_choice.h"
#include "shell/city_names.h"
#include "shell/module_catalog.h"
#include "shell/platform/program_directory.h"
#include "tools/route/json_writer.h"
#include "tools/route/route_legs.h"
#include "tools/route/station_argument.h"

namespace tnx {
namespace {

constexpr const char* kUsage =
    "Usage: tunnex-route [options] FROM TO\n"
    "       tunnex-route [options] --stations\n"
    "       tunnex-route [options] --dump\n"
    "\n"
    "FROM and TO are station numbers, stored names or display names.\n"
    "\n"
    "Options:\n"
    "  --city FILE          city module (default: beside this tool, the only module, else\n"
    "                       Moscow's, else the first by file name; the program's stored\n"
    "                       choice is not read; a module that does not open is skipped)\n"
    "  --wait day|evening|none   waiting times (default day)\n"
    "  --changes N          most transfers searched (default 3)\n"
    "  --time-diff N        time window in minutes (default 10)\n"
    "  --all                list every route, not only the optimal ones\n"
    "  --by-changes         order by transfers instead of time\n"
    "  --unranked           the routes as stored by the search, before ranking\n"
    "  --legs               under each route, its rides and transfers\n"
    "  --json               JSON output, one object per line, every route with its \"legs\"\n"
    "  --stations           list the stations\n"
    "  --dump               the whole city as one JSON document\n"
    "  --help               this text\n"
    "\n"
    "Exit status: 0 routes listed, 1 no route, 2 usage error, 3 bad city module.\n";

struct TOptions {
    std::string CityFile;
    std::string Wait = "day";
    TCitySettings Settings;
    bool Unranked = false;
    bool Json = false;
    bool Legs = false;
    bool Stations = false;
    bool Dump = false;
    bool Help = false;
    std::vector<std::string> Positional;
};

bool ParseByte(const std::string& text, std::uint8_t& value) {
    int v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || v < 0 || v > 255) return false;
    value = static_cast<std::uint8_t>(v);
    return true;
}

bool ParseOptions(int argc, const char* const* argv, TOptions& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&](std::string& target) {
            if (i + 1 >= argc) {
                error = a + " needs a value";
                return false;
            }
            target = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") o.Help = true;
        else if (a == "--city") { if (!value(o.CityFile)) return false; }
        else if (a == "--wait") {
            if (!value(o.Wait)) return false;
            if (o.Wait != "day" && o.Wait != "evening" && o.Wait != "none") {
                error = "--wait takes day, evening or none";
                return false;
            }
        } else if (a == "--changes" || a == "--time-diff") {
            if (!value(v)) return false;
            std::uint8_t& target = a == "--changes" ? o.Settings.ChangesDiff : o.Settings.TimeDiff;
            if (!ParseByte(v, target)) {
                error = a + " takes a number 0..255";
                return false;
            }
        } else if (a == "--all") o.Settings.ShowOnlyOptimal = false;
        else if (a == "--by-changes") o.Settings.ArrangeByChanges = true;
        else if (a == "--unranked") o.Unranked = true;
        else if (a == "--json") o.Json = true;
        else if (a == "--legs") o.Legs = true;
        else if (a == "--stations") o.Stations = true;
        else if (a == "--dump") o.Dump = true;
        else if (a.size() > 1 && a[0] == '-' && (a[1] < '0' || a[1] > '9')) {
            error = "unknown option " + a;
            return false;
        } else o.Positional.push_back(a);
    }
    return true;
}

std::string NumberArray(const TStationSet& set) {
    std::string out = "[";
    for (int n = 1; n < 256; ++n) {
        if (!set.Has(static_cast<std::uint8_t>(n))) continue;
        if (out.size() > 1) out += ", ";
        out += std::to_string(n);
    }
    return out + "]";
}

std::string LineArray(TLineSet lines) {
    std::string out = "[";
    for (int n = 0; n < 16; ++n) {
        if (((lines >> n) & 1u) == 0) continue;
        if (out.size() > 1) out += ", ";
        out += std::to_string(n);
    }
    return out + "]";
}

void PrintRoute(std::ostream& out, const TCity& city, const TRoute& r, const std::optional<TRouteSteps>& steps,
                const TOptions& o) {
    if (!o.Json) {
        out << RouteEntryText(r) << '\n';
        if (o.Legs) PrintLegs(out, city, steps);
        return;
    }
    out << "{\"time\": " << int{r.Time} << ", \"changes\": " << int{r.Changes}
        << ", \"stations\": " << NumberArray(r.Stations)
        << ", \"change_stations\": " << NumberArray(r.ChangeStations)
        << ", \"lines\": " << LineArray(r.Lines) << ", \"text\": " << JsonString(RouteEntryText(r))
        << ", \"legs\": " << LegsJson(steps) << "}\n";
}

std::string NameOf(const TCity& city, int n) {
    return Cp1251ToUtf8(StoredName(city.Station(static_cast<std::uint8_t>(n))));
}

void PrintStations(std::ostream& out, const TCity& city, bool json) {
    for (int n = 1; n <= city.NumOfStations; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        if (json) {
            out << "{\"number\": " << n << ", \"name\": " << JsonString(NameOf(city, n))
                << ", \"line\": " << int{s.Line}
                << ", \"in_operation\": " << (s.InOperation != 0 ? "true" : "false") << "}\n";
        } else {
            out << n << '\t' << NameOf(city, n) << '\t' << int{s.Line} << '\t'
                << (s.InOperation != 0 ? "open" : "closed") << '\n';
        }
    }
}

std::string WaitArray(const TWaitTable& t) {
    std::string out = "[";
    for (std::size_t i = 0; i < t.size(); ++i) out += (i ? ", " : "") + std::to_string(t[i]);
    return out + "]";
}

void PrintDump(std::ostream& out, const TLoadedCity& loaded) {
    const TCity& c = loaded.City;
    out << "{\n  \"FileVersion\": " << int{loaded.FileVersion} << ",\n  \"CityCode\": " << int{c.CityCode}
        << ",\n  \"CityVersion\": " << int{loaded.CityVersion}
        << ",\n  \"NumOfStations\": " << int{c.NumOfStations} << ",\n  \"NumOfLines\": " << int{c.NumOfLines}
        << ",\n  \"DefFirstStation\": " << int{loaded.DefFirstStation}
        << ",\n  \"MaxChanges\": " << int{loaded.MaxChanges} << ",\n  \"IsNTime\": " << int{c.IsNTime}
        << ",\n  \"stations\": [\n";
    for (int n = 1; n <= c.NumOfStations; ++n) {
        const TStation& s = c.Station(static_cast<std::uint8_t>(n));
        out << "    {\"number\": " << n << ", \"NameLength\": " << int{s.NameLength}
            << ", \"Name\": " << JsonString(NameOf(c, n)) << ", \"Line\": " << int{s.Line}
            << ", \"X\": " << s.X << ", \"Y\": " << s.Y << ", \"Next\": " << int{s.Next}
            << ", \"Prev\": " << int{s.Prev} << ", \"MinutesToNext\": " << int{s.MinutesToNext}
            << ", \"MinutesToPrev\": " << int{s.MinutesToPrev} << ", \"BendToNextX\": " << s.BendToNextX
            << ", \"BendToNextY\": " << s.BendToNextY << ", \"BendToPrevX\": " << s.BendToPrevX
            << ", \"BendToPrevY\": " << s.BendToPrevY << ", \"InOperation\": " << int{s.InOperation}
            << "}" << (n < c.NumOfStations ? "," : "") << "\n";
    }
    out << "  ],\n  \"transfers\": [";
    bool first = true;
    for (int a = 1; a <= kMaxLines; ++a)
        for (int b = 1; b <= kMaxLines; ++b)
            for (int k = 1; k <= 2; ++k) {
                const TTransferOption& o = c.Transfer(static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), k);
                if (o.Minutes == 0) continue;
                out << (first ? "\n" : ",\n") << "    {\"from_line\": " << a << ", \"to_line\": " << b
                    << ", \"option\": " << k << ", \"FromStation\": " << int{o.FromStation}
                    << ", \"ToStation\": " << int{o.ToStation} << ", \"Minutes\": " << int{o.Minutes} << "}";
                first = false;
            }
    out << "\n  ],\n  \"day_waits\": " << WaitArray(c.DayWait)
        << ",\n  \"evening_waits\": " << WaitArray(c.EveningWait) << "\n}\n";
}

std::string Unix(std::string text) {
    std::string out;
    for (char ch : text)
        if (ch != '\r') out += ch;
    return out;
}

std::string CandidateList(const TCity& city, const std::vector<std::uint8_t>& candidates) {
    std::string out;
    for (std::uint8_t n : candidates) out += "  " + std::to_string(n) + "\t" + NameOf(city, n) + "\n";
    return out;
}

}  // namespace

int RunRouteCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    TOptions o;
    std::string error;
    if (!ParseOptions(argc, argv, o, error)) {
        err << "tunnex-route: " << error << "\n" << kUsage;
        return kExitUsage;
    }
    if (o.Help) {
        out << kUsage;
        return kExitRoutes;
    }
    const bool listing = o.Stations || o.Dump;
    if ((listing && !o.Positional.empty()) || (!listing && o.Positional.size() != 2)) {
        err << "tunnex-route: give FROM and TO, or --stations, or --dump\n" << kUsage;
        return kExitUsage;
    }

    auto loaded = std::make_unique<TLoadedCity>();
    std::unique_ptr<CityModule> module;
    const auto previous = std::make_unique<TCity>();
    if (!o.CityFile.empty()) {
        if (!LoadCityFile(o.CityFile, *previous, *loaded, module, error)) {
            err << "tunnex-route: " << error << "\n";
            return kExitBadModule;
        }
    } else {
        // The module the program opens when nothing is stored, skipping what does not open.
        const auto folder = platform::ProgramDirectory();
        TScanOptions scan;
        scan.Refused = [&err](const std::string& file, const std::string& reason) {
            err << "tunnex-route: " << file << ": " << reason << "\n";
        };
        const auto catalog = ScanCityModules(folder, scan);
        bool opened = false;
        for (const std::string& file : CityFilesToTry(catalog, ChooseCurrentCityFile(catalog, std::nullopt))) {
            if (LoadCityFile(folder / file, *previous, *loaded, module, error)) {
                opened = true;
                break;
            }
            err << "tunnex-route: " << error << "\n";
        }
        if (!opened) {
            err << "tunnex-route: no usable city module (*.tnd) in " << folder.string() << "\n";
            return kExitBadModule;
        }
    }
    TCity& city = loaded->City;

    if (o.Dump) {
        PrintDump(out, *loaded);
        return kExitRoutes;
    }
    if (o.Stations) {
        PrintStations(out, city, o.Json);
        return kExitRoutes;
    }

    std::uint8_t endpoints[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const TStationMatch m = ResolveStation(city, o.Positional[static_cast<std::size_t>(i)]);
        if (m.Station == 0) {
            err << "tunnex-route: " << (m.Candidates.size() > 1 ? "ambiguous" : "unknown")
                << " station \"" << o.Positional[static_cast<std::size_t>(i)] << "\"\n";
            if (!m.Candidates.empty()) err << "candidates:\n" << CandidateList(city, m.Candidates);
            return kExitUsage;
        }
        endpoints[i] = m.Station;
    }

    auto list = std::make_unique<TRouteList>();
    TSearchRequest request;
    request.StartStation = endpoints[0];
    request.EndStation = endpoints[1];
    request.Settings = o.Settings;
    request.Settings.UseWaitTime = o.Wait != "none";
    request.DayChecked = o.Wait == "day";
    request.EveningChecked = o.Wait == "evening";

    if (request.StartStation == request.EndStation) {
        const auto optional = [](bool present, std::uint8_t v) {
            return present ? std::optional<std::uint8_t>(v) : std::nullopt;
        };
        const TCityInfo info{CityName(city.CityCode), city.NumOfLines, city.NumOfStations,
                             loaded->OperatingStations, module->Path().filename().string(),
                             VersionText(optional(loaded->HasFileVersion, loaded->FileVersion),
                                         optional(loaded->HasCityVersion, loaded->CityVersion))};
        out << Unix(CityInfoText(info));
        return kExitRoutes;
    }

    if (o.Unranked) {
        // The same wait choice as the search command, then the bare search.
        city.EffectiveWait = !request.Settings.UseWaitTime ? city.ZeroWait
                             : request.DayChecked           ? city.DayWait
                                                            : city.EveningWait;
        TRouteSearch search(city, *list, request.Settings.ChangesDiff, request.Settings.TimeDiff);
        search.FindRoutes(request.StartStation, request.EndStation);
    } else {
        RunSearchCommand(city, *list, request);
    }
    if (list->RouteCount == 0) {
        err << Unix(kNoRouteMessage) << "\n";
        return kExitNoRoute;
    }
    for (int i = 1; i <= list->RouteCount; ++i) {
        const TRoute& route = list->Route(i);
        const auto steps = RouteSteps(city, city.EffectiveWait, request.StartStation, request.EndStation, route);
        if (!steps) err << "tunnex-route: шаги маршрута " << i << " не удалось восстановить\n";
        PrintRoute(out, city, route, steps, o);
    }
    return kExitRoutes;
}

}  // namespace tnx
