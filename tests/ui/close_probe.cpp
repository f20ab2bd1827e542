// Runs the main window as the program does and closes it at an awkward moment;
// the process must end by itself with exit code 0.
//   search   - the close arrives while a route search lets messages through
//   modal    - the watcher's update shows a message box, and the window closes under it
//   handover - the animation waits for a step the busy main thread has not run
//   pause    - an animation pause is never resumed
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "model/cp1251.h"
#include "model/lookups.h"
#include "ui/form_environment.h"
#include "ui/main_form.h"
#include "ui/station_combo.h"

namespace {

using tnx::ui::TForm1;

std::uint8_t StationNamed(const TForm1& form, const char* name) {
    return tnx::FindStationByName(form.State().City, *tnx::Utf8ToCp1251(name));
}

void ChooseInList(tnx::ui::TStationComboBox* box, const char* name) {
    const int index = box->findText(QString::fromUtf8(name));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Closes the main window under the first modal dialog that shows, then the dialog.
void CloseUnderModalDialog(TForm1& form) {
    auto* poll = new QTimer(&form);
    QObject::connect(poll, &QTimer::timeout, poll, [&form, poll] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        poll->stop();
        std::puts("closing under a modal dialog");
        form.close();
        QTimer::singleShot(100, dialog, [dialog] { dialog->close(); });
    });
    poll->start(20);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    QApplication application(argc, argv);
    const std::string scenario = argc > 1 ? argv[1] : "";

    QTemporaryDir folder;
    std::filesystem::copy_file(std::filesystem::path(TUNNEX_PROGRAM_DIR) / "kharkiv.tnd",
                               std::filesystem::path(folder.path().toStdString()) / "kharkiv.tnd");
    tnx::ui::TFormEnvironment environment;
    TForm1 form(folder.path().toStdString(), environment);
    if (const auto code = form.FormCreate()) return 100 + *code;
    form.show();
    const std::uint8_t a = StationNamed(form, "Холодная гора");
    const std::uint8_t b = StationNamed(form, "Героев труда");

    if (scenario == "search") {
        QTimer::singleShot(300, &form, [&] {
            QMetaObject::invokeMethod(&form, "close", Qt::QueuedConnection);
            form.SetEndpoints(a, b);
        });
    } else if (scenario == "modal") {
        form.State().Settings.ChangesDiff = 0;  // no route between two lines: a message box
        ChooseInList(form.ComboBox1, "Холодная гора");
        ChooseInList(form.ComboBox2, "Героев труда");
        CloseUnderModalDialog(form);
    } else if (scenario == "handover") {
        form.SetEndpoints(a, b);
        QTimer::singleShot(300, &form, [&] {
            // Longer than a cycle: the animation's next step is surely waiting in the queue.
            QThread::msleep(1300);
            form.close();
        });
    } else if (scenario == "pause") {
        QTimer::singleShot(300, &form, [&] {
            form.AnimationPause().Pause();
            form.close();
        });
    } else {
        std::fprintf(stderr, "unknown scenario '%s'\n", scenario.c_str());
        return 2;
    }
    // A deadlock ends here instead of hanging the test run.
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(20));
        std::fputs("still running after 20 s\n", stderr);
        std::_Exit(3);
    }).detach();
    return QApplication::exec();
}
