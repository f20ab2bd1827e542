#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "shell/settings_store.h"

namespace tnx {
namespace {

constexpr std::uint8_t kCode = 4;
constexpr std::uint8_t kStations = 38;
constexpr std::uint8_t kDefFirst = 8;

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }

    static void Clear() {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex");
        s.clear();
        s.sync();
        QFile::remove(s.fileName());
    }
    static QString FileName() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex").fileName();
    }
    static void Set(const QString& key, const QVariant& value) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex");
        s.setValue(key, value);
    }
    static QVariant Get(const QString& key) {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Orvane", "Tunnex").value(key);
    }
    static void WriteFile(const QByteArray& text) {
        QDir().mkpath(QFileInfo(FileName()).path());
        QFile file(FileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
};

TEST_F(SettingsStoreTest, LivesInTheUsersConfigFolder) {
    EXPECT_TRUE(FileName().endsWith("/config/Orvane/Tunnex.conf")) << FileName().toStdString();
    EXPECT_TRUE(FileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

TEST_F(SettingsStoreTest, CityWithoutStoredSettingsTakesDefaultsAndTheModulesFirstStation) {
    const TCitySettings s = ReadCitySettings(kCode, kStations, kDefFirst);
    EXPECT_EQ(s.FstStation, kDefFirst);
    EXPECT_TRUE(s.ShowPopUp);
    EXPECT_TRUE(s.UseWaitTime);
    EXPECT_TRUE(s.ShowOnlyOptimal);
    EXPECT_FALSE(s.ArrangeByChanges);
    EXPECT_EQ(s.TimeDiff, 10);
    EXPECT_EQ(s.ChangesDiff, 3);
    // Another city's settings are not this city's.
    Set("5/TimeDiff", 7);
    EXPECT_EQ(ReadCitySettings(kCode, kStations, kDefFirst).TimeDiff, 10);
}

TEST_F(SettingsStoreTest, StoredCityGroupReplacesEveryValueItHolds) {
    Set("4/TimeDiff", 7);
    TCitySettings s = ReadCitySettings(kCode, kStations, kDefFirst);
    EXPECT_EQ(s.FstStation, 1) << "a city with stored settings starts at station 1 unless one is stored";
    EXPECT_EQ(s.TimeDiff, 7);
    EXPECT_EQ(s.ChangesDiff, 3);
    EXPECT_TRUE(s.UseWaitTime);

    Set("4/TimeDiff", 40);
    Set("4/ShowPopUp", 0);
    Set("4/UseWaitTime", 0);
    Set("4/ShowOnlyOptimal", 0);
    Set("4/ArrangeByChanges", 5);  // any number but 0 is on
    Set("4/ChangesDiff", 0);
    s = ReadCitySettings(kCode, kStations, kDefFirst);
    EXPECT_EQ(s.TimeDiff, 40);
    EXPECT_FALSE(s.ShowPopUp);
    EXPECT_FALSE(s.UseWaitTime);
    EXPECT_FALSE(s.ShowOnlyOptimal);
    EXPECT_TRUE(s.ArrangeByChanges);
    EXPECT_EQ(s.ChangesDiff, 0);
}

TEST_F(SettingsStoreTest, StoredFirstStationMustNameAStationOfTheCity) {
    const auto first = [](const QVariant& stored) {
        Set("4/FstStation", stored);
        return ReadCitySettings(kCode, kStations, kDefFirst).FstStation;
    };
    EXPECT_EQ(first(kStations), kStations);
    EXPECT_EQ(first(12), 12);
    EXPECT_EQ(first(kStations + 1), 1);
    EXPECT_EQ(first(0), 1);
    EXPECT_EQ(first(255), 1);
    EXPECT_EQ(first(300), 1);
    EXPECT_EQ(first(-3), 1);
    EXPECT_EQ(first("twelve"), 1);
}

TEST_F(SettingsStoreTest, ValuesOfTheWrongKindOrRangeTakeTheirDefaults) {
    // As the INI form stores them: text, parsed strictly.
    WriteFile(
        "[4]\nTimeDiff=7x\nChangesDiff=256\nUseWaitTime=maybe\nShowOnlyOptimal=-1\n"
        "ArrangeByChanges=\"1, 2\"\nShowPopUp=\" 0 \"\nFstStation=12\n");
    TCitySettings s = ReadCitySettings(kCode, kStations, kDefFirst);
    EXPECT_EQ(s.TimeDiff, 10);
    EXPECT_EQ(s.ChangesDiff, 3);
    EXPECT_TRUE(s.UseWaitTime);
    EXPECT_TRUE(s.ShowOnlyOptimal);
    EXPECT_FALSE(s.ArrangeByChanges);
    EXPECT_FALSE(s.ShowPopUp) << "surrounding blanks are not a wrong kind";
    EXPECT_EQ(s.FstStation, 12);

    WriteFile("[4]\nTimeDiff=1, 2\nChangesDiff=99999999999999999999999\nFstStation=\n");
    s = ReadCitySettings(kCode, kStations, kDefFirst);
    EXPECT_EQ(s.TimeDiff, 10) << "a list";
    EXPECT_EQ(s.ChangesDiff, 3) << "too large for any integer";
    EXPECT_EQ(s.FstStation, 1);
}

TEST_F(SettingsStoreTest, WrittenSettingsReadBackAsIntegersInTheCitysGroup) {
    TCitySettings written;
    written.FstStation = 29;
    written.ShowPopUp = false;
    written.UseWaitTime = true;
    written.ShowOnlyOptimal = false;
    written.ArrangeByChanges = true;
    written.TimeDiff = 25;
    written.ChangesDiff = 5;
    WriteCitySettings(kCode, written);

    const TCitySettings read = ReadCitySettings(kCode, kStations, kDefFirst);
    EXPECT_EQ(read.FstStation, 29);
    EXPECT_FALSE(read.ShowPopUp);
    EXPECT_TRUE(read.UseWaitTime);
    EXPECT_FALSE(read.ShowOnlyOptimal);
    EXPECT_TRUE(read.ArrangeByChanges);
    EXPECT_EQ(read.TimeDiff, 25);
    EXPECT_EQ(read.ChangesDiff, 5);
    EXPECT_EQ(Get("4/ShowPopUp").toString(), "0");
    EXPECT_EQ(Get("4/ArrangeByChanges").toString(), "1");
    EXPECT_EQ(Get("4/FstStation").toString(), "29");
}

TEST_F(SettingsStoreTest, PresenceEntriesSurviveTheIniForm) {
    EXPECT_FALSE(NoSplashPresent());
    EXPECT_FALSE(TakeFirstTime());

    WriteFile("[General]\nNoSplash=1\nFirstTime=1\nCityFileName=spb.tnd\n");
    EXPECT_TRUE(NoSplashPresent());
    EXPECT_EQ(StoredCityFileName(), "spb.tnd");
    EXPECT_TRUE(TakeFirstTime());
    EXPECT_FALSE(TakeFirstTime()) << "deleted once found";
    EXPECT_TRUE(NoSplashPresent()) << "never deleted by the program";
    EXPECT_EQ(StoredCityFileName(), "spb.tnd");

    // As groups, the form of the registry's sub-keys, in any letter case.
    WriteFile("[nosplash]\nx=\n[FirstTime]\nwhatever=0\n");
    EXPECT_TRUE(NoSplashPresent());
    EXPECT_TRUE(TakeFirstTime());
    EXPECT_FALSE(TakeFirstTime());
}

TEST_F(SettingsStoreTest, CityFileNameRoundTripsAnyText) {
    EXPECT_FALSE(StoredCityFileName());
    StoreCityFileName("Москва, 2.tnd");
    EXPECT_EQ(StoredCityFileName(), "Москва, 2.tnd");
    WriteFile("[General]\nCityFileName=a, b\n");
    EXPECT_FALSE(StoredCityFileName()) << "a list is no file name";
}

TEST_F(SettingsStoreTest, ReadingWritesNothing) {
    ReadCitySettings(kCode, kStations, kDefFirst);
    NoSplashPresent();
    TakeFirstTime();
    StoredCityFileName();
    EXPECT_FALSE(QFile::exists(FileName()));

    WriteFile("[4]\nTimeDiff=7\n");
    const QByteArray before = [] {
        QFile f(FileName());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    ReadCitySettings(kCode, kStations, kDefFirst);
    TakeFirstTime();
    QFile f(FileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

}  // namespace
}  // namespace tnx
