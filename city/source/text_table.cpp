#include "city/source/text_table.h"

namespace tnx::city {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::vector<TextRow> SplitRows(std::string_view text, char separator) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

    std::vector<TextRow> rows;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);

        const std::string_view content = Trim(line);
        if (content.empty() || content.front() == '#') continue;

        TextRow row;
        row.line = lineNumber;
        std::size_t start = 0;
        while (true) {
            const auto cut = content.find(separator, start);
            row.fields.emplace_back(Trim(content.substr(start, cut - start)));
            if (cut == std::string_view::npos) break;
            start = cut + 1;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tnx::city
