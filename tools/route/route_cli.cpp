#include "tools/route/route_cli.h"

#include <cerrno>
#include <charconv>
#include <cstring>
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
#include "shell/city_choice.h"
#include "shell/city_loader.h"
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
    "FROM and TO are station numbers, stored names or any part of a name that names\n"
    "one station: letter case, \"ё\" or \"е\" and hyphens or spaces make no difference,\n"
    "and the start of any word of the name will do (\"ленина\").\n"
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
    "Exit status: 0 routes listed, 1 no route, 2 usage error or unknown or ambiguous\n"
    "station, 3 bad city module, 4 the output could not be written.\n";

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
        if (a == "--help" || a == "-h")
            o.Help = true;
        else if (a == "--city") {
            if (!value(o.CityFile)) return false;
        } else if (a == "--wait") {
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
        } else if (a == "--all")
            o.Settings.ShowOnlyOptimal = false;
        else if (a == "--by-changes")
            o.Settings.ArrangeByChanges = true;
        else if (a == "--unranked")
            o.Unranked = true;
        else if (a == "--json")
            o.Json = true;
        else if (a == "--legs")
            o.Legs = true;
        else if (a == "--stations")
            o.Stations = true;
        else if (a == "--dump")
            o.Dump = true;
        else if (a.size() > 1 && a[0] == '-' && (a[1] < '0' || a[1] > '9')) {
            error = "unknown option " + EscapedText(a);
            return false;
        } else
            o.Positional.push_back(a);
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
        << ", \"stations\": " << NumberArray(r.Stations) << ", \"change_stations\": " << NumberArray(r.ChangeStations)
        << ", \"lines\": " << LineArray(r.Lines) << ", \"text\": " << JsonString(RouteEntryText(r))
        << ", \"legs\": " << LegsJson(steps) << "}\n";
}

std::string NameOf(const TCity& city, int n) {
    return Cp1251ToUtf8(StoredName(city.Station(static_cast<std::uint8_t>(n))));
}

// "Арбатская (line 3)".
std::string ShownNameOf(const TCity& city, std::uint8_t n) {
    return EscapedText(Cp1251ToUtf8(DisplayName(StoredName(city.Station(n))))) + " (line " +
           std::to_string(city.Station(n).Line) + ")";
}

void PrintStations(std::ostream& out, const TCity& city, bool json) {
    for (int n = 1; n <= city.NumOfStations; ++n) {
        const TStation& s = city.Station(static_cast<std::uint8_t>(n));
        if (json) {
            out << "{\"number\": " << n << ", \"name\": " << JsonString(NameOf(city, n))
                << ", \"line\": " << int{s.Line} << ", \"in_operation\": " << (s.InOperation != 0 ? "true" : "false")
                << "}\n";
        } else {
            out << n << '\t' << EscapedText(NameOf(city, n)) << '\t' << int{s.Line} << '\t'
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
        << ",\n  \"CityVersion\": " << int{loaded.CityVersion} << ",\n  \"NumOfStations\": " << int{c.NumOfStations}
        << ",\n  \"NumOfLines\": " << int{c.NumOfLines} << ",\n  \"DefFirstStation\": " << int{loaded.DefFirstStation}
        << ",\n  \"MaxChanges\": " << int{loaded.MaxChanges} << ",\n  \"IsNTime\": " << int{c.IsNTime}
        << ",\n  \"stations\": [\n";
    for (int n = 1; n <= c.NumOfStations; ++n) {
        const TStation& s = c.Station(static_cast<std::uint8_t>(n));
        out << "    {\"number\": " << n << ", \"NameLength\": " << int{s.NameLength}
            << ", \"Name\": " << JsonString(NameOf(c, n)) << ", \"Line\": " << int{s.Line} << ", \"X\": " << s.X
            << ", \"Y\": " << s.Y << ", \"Next\": " << int{s.Next} << ", \"Prev\": " << int{s.Prev}
            << ", \"MinutesToNext\": " << int{s.MinutesToNext} << ", \"MinutesToPrev\": " << int{s.MinutesToPrev}
            << ", \"BendToNextX\": " << s.BendToNextX << ", \"BendToNextY\": " << s.BendToNextY
            << ", \"BendToPrevX\": " << s.BendToPrevX << ", \"BendToPrevY\": " << s.BendToPrevY
            << ", \"InOperation\": " << int{s.InOperation} << "}" << (n < c.NumOfStations ? "," : "") << "\n";
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
    out << "\n  ],\n  \"day_waits\": " << WaitArray(c.DayWait) << ",\n  \"evening_waits\": " << WaitArray(c.EveningWait)
        << "\n}\n";
}

std::string Unix(std::string text) {
    std::string out;
    for (char ch : text)
        if (ch != '\r') out += ch;
    return out;
}

std::string StationList(const TCity& city, const std::vector<std::uint8_t>& stations) {
    std::string out;
    for (std::uint8_t n : stations) out += "  " + ShownNameOf(city, n) + "\n";
    return out;
}

// Why a station argument names no single station, with what it might have meant.
void ReportStation(std::ostream& err, const TCity& city, const std::string& argument, const TStationMatch& m) {
    std::string quoted = "\"";
    quoted += EscapedText(argument);
    quoted += '"';
    if (!m.Candidates.empty()) {
        err << "tunnex-route: " << quoted << " names " << m.Candidates.size() << " stations:\n"
            << StationList(city, m.Candidates) << "give more of the name, or the station's number from --stations\n";
    } else if (!m.Nearest.empty()) {
        err << "tunnex-route: unknown station " << quoted << "; the nearest names:\n" << StationList(city, m.Nearest);
    } else {
        err << "tunnex-route: unknown station " << quoted << "\n";
    }
}

void PrintCityInfo(std::ostream& out, const TCityInfo& info, std::uint8_t cityCode, bool json) {
    if (!json) {
        out << Unix(CityInfoText(info));
        return;
    }
    out << "{\"city\": " << JsonString(info.CityName) << ", \"city_code\": " << int{cityCode}
        << ", \"lines\": " << info.NumOfLines << ", \"stations\": " << info.NumOfStations
        << ", \"operating_stations\": " << info.OperatingStations << ", \"file\": " << JsonString(info.FileName)
        << ", \"version\": " << JsonString(info.VersionText) << "}\n";
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
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
            err << "tunnex-route: " << EscapedText(error) << "\n";
            return kExitBadModule;
        }
    } else {
        // The module the program opens when nothing is stored, skipping what does not open.
        const auto folder = platform::ProgramDirectory();
        TScanOptions scan;
        scan.Refused = [&err](const std::string& file, const std::string& reason) {
            err << "tunnex-route: " << EscapedText(file) << ": " << EscapedText(reason) << "\n";
        };
        const auto catalog = ScanCityModules(folder, scan);
        bool opened = false;
        for (const std::string& file : CityFilesToTry(catalog, ChooseCurrentCityFile(catalog, std::nullopt))) {
            if (LoadCityFile(folder / file, *previous, *loaded, module, error)) {
                opened = true;
                break;
            }
            err << "tunnex-route: " << EscapedText(error) << "\n";
        }
        if (!opened) {
            err << "tunnex-route: no usable city module (*.tnd) in " << EscapedText(folder.string()) << "\n";
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
        const std::string& argument = o.Positional[static_cast<std::size_t>(i)];
        const TStationMatch m = ResolveStation(city, argument);
        if (m.Station == 0) {
            ReportStation(err, city, argument, m);
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
        TCityInfo info{CityName(city.CityCode),
                       city.NumOfLines,
                       city.NumOfStations,
                       loaded->OperatingStations,
                       module->Path().filename().string(),
                       VersionText(optional(loaded->HasFileVersion, loaded->FileVersion),
                                   optional(loaded->HasCityVersion, loaded->CityVersion))};
        if (!o.Json) info.FileName = EscapedText(info.FileName);
        PrintCityInfo(out, info, city.CityCode, o.Json);
        return kExitRoutes;
    }

    const auto data = std::make_unique<TSearchData>(city);
    const auto work = std::make_unique<TSearchWork>();
    if (o.Unranked) {
        // The same wait choice as the search command, then the bare search.
        ChooseEffectiveWait(city, request);
        TRouteSearch search(*data, city.EffectiveWait, *work, *list, request.Settings.ChangesDiff,
                            request.Settings.TimeDiff);
        search.FindRoutes(request.StartStation, request.EndStation);
    } else {
        RunSearchCommand(city, *data, *work, *list, request);
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

}  // namespace

int RunRouteCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const int status = Run(argc, argv, out, err);
    // A full disk or a closed pipe must not pass for an answer.
    errno = 0;
    out.flush();
    if (out) return status;
    const int cause = errno;
    err << "tunnex-route: could not write the output" << (cause != 0 ? std::string(": ") + std::strerror(cause) : "")
        << "\n";
    return kExitOutput;
}

}  // namespace tnx
