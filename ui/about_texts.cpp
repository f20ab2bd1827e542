#include "ui/about_texts.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

#include "model/city_format.h"
#include "model/city_resources.h"
#include "model/cp1251.h"
#include "shell/city_module.h"

namespace tnx::ui {

QString ProgramText(const QString& name) {
    QFile file(":/tunnex/texts/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = file.readAll();
    if (const auto nul = bytes.indexOf('\0'); nul >= 0) bytes.truncate(nul);
    return QString::fromUtf8(bytes);
}

QChar SystemTimeSeparator() {
    const QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    // The first character after the hours that is no format letter.
    const auto hours = format.indexOf(QRegularExpression("[hH]"));
    if (hours >= 0)
        for (auto i = hours; i < format.size(); ++i)
            if (!format[i].isLetter() && format[i] != u'\'') return format[i];
    return u':';
}

QString AboutVersionText(const std::string& version, const std::string& build, const QDateTime& written,
                         QChar timeSeparator) {
    return "Внутренняя версия " + QString::fromStdString(version) + " сборка " + QString::fromStdString(build) + "\n" +
           "Создано " + written.toString("dd.MM.yyyy") + " в " + written.toString("HH") + timeSeparator +
           written.toString("mm") + " ";
}

QDateTime LastWriteTime(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    return info.lastModified().toLocalTime();
}

QString CreditsText(const QString& about, const std::vector<TCatalogEntry>& catalog,
                    const std::filesystem::path& folder) {
    QString text = about;
    const std::size_t count = std::min<std::size_t>(catalog.size(), kMaxCreditModules);
    for (std::size_t i = 0; i < count; ++i) {
        const TCatalogEntry& entry = catalog[i];
        text += "\n\n [ " + QString::fromStdString(entry.CityName) + " ]\n\n";
        std::string error;
        const auto module = CityModule::Open(folder / entry.FileName, error);
        if (!module) {
            text += kModuleUnreadable;
            continue;
        }
        const auto info = module->FindResource(resource::kInfo, kResourceTypeRcData);
        if (info) text += QString::fromStdString(Cp1251ToUtf8(InfoText(*info)));
    }
    return text;
}

}  // namespace tnx::ui
