#include "shell/settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace tnx {
namespace {

// A fresh handle for each use, as the product key is opened and released at once.
struct TProductKey {
    QSettings settings{QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex"};
};

// The stored spelling of a presence-only entry, letter case ignored as the
// registry ignores it.
std::optional<QString> FindEntry(QSettings& s, const QString& name) {
    for (const QStringList& names : {s.childGroups(), s.childKeys()})
        for (const QString& n : names)
            if (n.compare(name, Qt::CaseInsensitive) == 0) return n;
    return std::nullopt;
}

std::optional<std::uint8_t> StrictByte(const QVariant& v) {
    qlonglong n = -1;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        n = v.toLongLong();
        if (v.typeId() == QMetaType::ULongLong && v.toULongLong() > 255) return std::nullopt;
        break;
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = v.toString().trimmed();
        if (text.isEmpty()) return std::nullopt;
        for (QChar c : text)
            if (c < u'0' || c > u'9') return std::nullopt;
        bool ok = false;
        n = text.toLongLong(&ok);
        if (!ok) return std::nullopt;
        break;
    }
    default:
        return std::nullopt;
    }
    if (n < 0 || n > 255) return std::nullopt;
    return static_cast<std::uint8_t>(n);
}

std::uint8_t ReadByte(QSettings& s, const char* name, std::uint8_t fallback) {
    if (!s.contains(name)) return fallback;
    return StrictByte(s.value(name)).value_or(fallback);
}

bool ReadBool(QSettings& s, const char* name, bool fallback) {
    if (!s.contains(name)) return fallback;
    const auto v = StrictByte(s.value(name));
    return v ? *v != 0 : fallback;
}

// Why the file could not be written, as far as the file system tells.
QString WhyNotWritten(const QString& path) {
    const QFileInfo file(path);
    if (file.isDir()) return "на месте файла находится каталог";
    if (file.exists() && !file.isWritable()) return "файл доступен только для чтения";
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists()) return "каталог " + folder.absoluteFilePath() + " не удаётся создать";
    if (!file.exists() && !folder.isWritable()) return "каталог " + folder.absoluteFilePath() + " закрыт для записи";
    return "нет доступа к файлу";
}

TStoreFailure Flush(QSettings& s, const char* what) {
    s.sync();
    if (s.status() == QSettings::NoError) return {};
    const QString reason = s.status() == QSettings::FormatError ? "файл испорчен" : WhyNotWritten(s.fileName());
    return (QString(what) + " не сохранены: " + s.fileName() + " — " + reason + ".").toStdString();
}

}  // namespace

std::string SettingsLocation() { return TProductKey().settings.fileName().toStdString(); }

bool NoSplashPresent() {
    TProductKey key;
    return FindEntry(key.settings, "NoSplash").has_value();
}

bool TakeFirstTime(TStoreFailure* failure) {
    TProductKey key;
    const auto stored = FindEntry(key.settings, "FirstTime");
    if (!stored) return false;
    key.settings.remove(*stored);
    TStoreFailure failed = Flush(key.settings, "Сведения о первом запуске");
    if (failure != nullptr) *failure = std::move(failed);
    return true;
}

std::optional<std::string> StoredCityFileName() {
    TProductKey key;
    if (!key.settings.contains("CityFileName")) return std::nullopt;
    const QVariant v = key.settings.value("CityFileName");
    std::string name;
    if (v.typeId() == QMetaType::QByteArray)
        name = v.toByteArray().toStdString();
    else if (v.typeId() == QMetaType::QString)
        name = v.toString().toStdString();
    if (name.empty()) return std::nullopt;  // names no file: as if nothing were stored
    return name;
}

TStoreFailure StoreCityFileName(const std::string& fileName) {
    TProductKey key;
    const QByteArray bytes = QByteArray::fromStdString(fileName);
    // A file name that is no UTF-8 (possible on Linux) is kept as its bytes, so the same
    // file is found again; as text it would come back with its bytes replaced.
    if (QString::fromUtf8(bytes).toUtf8() != bytes)
        key.settings.setValue("CityFileName", bytes);
    else
        key.settings.setValue("CityFileName", QString::fromStdString(fileName));
    return Flush(key.settings, "Выбор города");
}

TCitySettings ReadCitySettings(std::uint8_t cityCode, std::uint8_t numOfStations, std::uint8_t defFirstStation) {
    TCitySettings result;  // the defaults
    result.FstStation = defFirstStation;
    TProductKey key;
    QSettings& s = key.settings;
    const QString group = QString::number(cityCode);
    if (!s.childGroups().contains(group)) return result;

    s.beginGroup(group);
    const std::uint8_t first = ReadByte(s, "FstStation", 1);
    result.FstStation = first >= 1 && first <= numOfStations ? first : 1;
    result.ShowPopUp = ReadBool(s, "ShowPopUp", true);
    result.UseWaitTime = ReadBool(s, "UseWaitTime", true);
    result.ShowOnlyOptimal = ReadBool(s, "ShowOnlyOptimal", true);
    result.ArrangeByChanges = ReadBool(s, "ArrangeByChanges", false);
    result.TimeDiff = ReadByte(s, "TimeDiff", 10);
    result.ChangesDiff = ReadByte(s, "ChangesDiff", 3);
    s.endGroup();
    return result;
}

TStoreFailure WriteCitySettings(std::uint8_t cityCode, const TCitySettings& settings) {
    TProductKey key;
    QSettings& s = key.settings;
    s.beginGroup(QString::number(cityCode));
    s.setValue("FstStation", int{settings.FstStation});
    s.setValue("ShowPopUp", settings.ShowPopUp ? 1 : 0);
    s.setValue("UseWaitTime", settings.UseWaitTime ? 1 : 0);
    s.setValue("ShowOnlyOptimal", settings.ShowOnlyOptimal ? 1 : 0);
    s.setValue("ArrangeByChanges", settings.ArrangeByChanges ? 1 : 0);
    s.setValue("TimeDiff", int{settings.TimeDiff});
    s.setValue("ChangesDiff", int{settings.ChangesDiff});
    s.endGroup();
    return Flush(s, "Настройки");
}

}  // namespace tnx
