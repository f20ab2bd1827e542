// Every text the window lists shows whole in the fonts and widths it uses: each route
// list entry the options allow, and each station name of every shipped city in both
// station lists and the options dialog's list.
#include <QFontMetrics>
#include <QRadioButton>
#include <filesystem>

#include "form_fixture.h"
#include "model/cp1251.h"
#include "model/lookups.h"
#include "shell/city_loader.h"
#include "shell/module_catalog.h"
#include "ui/options_dialog.h"
#include "ui/radio_group.h"
#include "ui/station_combo.h"

namespace tnx::ui::test {
namespace {

TEST_F(FormTest, EveryRouteEntryAndEveryStationNameShowsWhole) {
    AddCity();
    Started();
    const QStringList entries = EveryRouteEntryText();
    ASSERT_EQ(entries.size(), 256 * 6);
    const QFontMetrics entryMetrics(form->RadioGroup1->ItemFont());
    EXPECT_GE(form->RadioGroup1->ItemFont().pointSizeF(), 7.0) << "still readable";
    for (const QString& entry : entries)
        EXPECT_LE(entryMetrics.horizontalAdvance(entry), form->RadioGroup1->TextWidth()) << entry.toStdString();

    const auto dialog = form->CreateOptionsDlg();
    const TStationComboBox* lists[] = {form->ComboBox1, form->ComboBox2, dialog->ComboBox};
    for (const TCatalogEntry& entry : ScanCityModules(TUNNEX_PROGRAM_DIR)) {
        auto loaded = std::make_unique<TLoadedCity>();
        std::unique_ptr<CityModule> module;
        std::string error;
        ASSERT_TRUE(
            LoadCityFile(std::filesystem::path(TUNNEX_PROGRAM_DIR) / entry.FileName, TCity{}, *loaded, module, error))
            << error;
        for (int n = 1; n <= loaded->City.NumOfStations; ++n) {
            const QString name = QString::fromStdString(
                Cp1251ToUtf8(DisplayName(StoredName(loaded->City.Station(static_cast<std::uint8_t>(n))))));
            for (const TStationComboBox* list : lists)
                EXPECT_LE(list->fontMetrics().horizontalAdvance(name), list->NameWidth())
                    << entry.FileName << ": " << name.toStdString();
        }
    }
}

TEST_F(FormTest, AnEntryTooLongForItsRowEndsInAnEllipsisAtAWord) {
    AddCity();
    Started();
    form->RadioGroup1->Clear();
    const QString whole = "4 часа 15 минут, 250 пересадок, и ещё очень много слов сверх того";
    form->RadioGroup1->AddItem(whole);
    const QRadioButton* row = form->RadioGroup1->Button(0);
    EXPECT_TRUE(row->text().endsWith(QString::fromUtf8("…"))) << row->text().toStdString();
    EXPECT_TRUE(whole.startsWith(row->text().chopped(1))) << "leading words, not a cut word";
    EXPECT_TRUE(whole.at(row->text().size() - 1) == ' ' || whole.at(row->text().size() - 1) == ',');
    EXPECT_EQ(row->toolTip(), whole);
    EXPECT_EQ(form->RadioGroup1->Items(), QStringList{whole});
}

}  // namespace
}  // namespace tnx::ui::test
