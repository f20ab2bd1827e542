// The texts of the About box: the program's own texts, the version lines and the
// credits gathered from every city module.
#pragma once

#include <QDateTime>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/module_catalog.h"

namespace tnx::ui {

inline constexpr const char* kSupportAddress = "support@tunnex.example";
inline constexpr const char* kHomePage = "https://tunnex.example/";
inline constexpr const char* kHomeHost = "tunnex.example";
inline constexpr const char* kMailSubject = "?Subject=from_tunnex";
inline constexpr const char* kLegalNotice = "© 2002–2026 Orvane";
inline constexpr const char* kLegalNoticeTwoLines = "© 2002–2026 Orvane\nРаспространяется бесплатно";

// The program's text resource name ("ABOUT", "GREETS", "INFO", "LICENSE"): its text
// up to the first NUL; empty when there is no such text.
QString ProgramText(const QString& name);

// The separator between hours and minutes in the system's time format.
QChar SystemTimeSeparator();

// "Внутренняя версия 2.20.3 сборка 9" and "Создано 06.12.2026 в 18:32 ", one line each.
QString AboutVersionText(const std::string& version, const std::string& build, const QDateTime& written,
                         QChar timeSeparator);

// The last-write time of a file in local time; invalid when the file is missing.
QDateTime LastWriteTime(const QString& path);

// about, then for each listed module, in order, a blank line, " [ city ]", a blank
// line and its "INFO" text. At most 256 modules are read.
QString CreditsText(const QString& about, const std::vector<TCatalogEntry>& catalog,
                    const std::filesystem::path& folder);

inline constexpr int kMaxCreditModules = 256;
inline constexpr const char* kModuleUnreadable = "(файл данных не удалось открыть)";

}  // namespace tnx::ui
