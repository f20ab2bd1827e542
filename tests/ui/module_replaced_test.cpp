// The loaded module's file replaced and then cut short while the window is up: the
// window keeps showing the city it read, and every view that draws from the module
// (the station lists with their line icons, the options dialog, the About box) still
// draws without touching the file.
#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <filesystem>

#include "form_fixture.h"
#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/station_combo.h"

namespace tnx::ui::test {
namespace {

QImage Drawn(QWidget* widget) { return widget->grab().toImage(); }

QImage DroppedDown(TStationComboBox* list) {
    list->showPopup();
    const QImage image = Drawn(list->view());
    list->hidePopup();
    return image;
}

TEST_F(FormTest, ReplacingAndCuttingTheLoadedModuleChangesNothingShown) {
    AddCity("a.tnd");
    std::filesystem::copy_file(std::filesystem::path(TUNNEX_PROGRAM_DIR) / "spb.tnd", Folder() / "b.tnd");
    Started();
    const std::uint8_t code = form->State().City.CityCode;
    const QImage start = Drawn(form->ComboBox1);
    const QImage endDropped = DroppedDown(form->ComboBox2);
    ASSERT_EQ(form->State().CurrentCityFile, "a.tnd");

    // As a reinstall does: another city's module copied over the open one, then cut.
    std::filesystem::copy_file(Folder() / "b.tnd", Folder() / "a.tnd",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(Folder() / "a.tnd", 1000);

    EXPECT_EQ(Drawn(form->ComboBox1), start);
    EXPECT_EQ(DroppedDown(form->ComboBox2), endDropped);
    int dialogs = 0;
    environment.OnDialog = [&](QDialog& dialog) {
        ++dialogs;
        if (auto* options = dynamic_cast<TOptionsDlg*>(&dialog)) {
            EXPECT_FALSE(Drawn(options).isNull());
            EXPECT_FALSE(DroppedDown(options->ComboBox).isNull());
        } else if (auto* about = dynamic_cast<TAboutBox*>(&dialog)) {
            EXPECT_FALSE(Drawn(about).isNull());
        }
        return 0;
    };
    form->OptionsClick();
    form->About->trigger();
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(form->State().City.CityCode, code);
    EXPECT_EQ(form->State().CurrentCityFile, "a.tnd");
    EXPECT_EQ(Drawn(form->ComboBox1), start);

    std::filesystem::remove(Folder() / "a.tnd");
    EXPECT_EQ(DroppedDown(form->ComboBox1).size(), endDropped.size());
}

}  // namespace
}  // namespace tnx::ui::test
