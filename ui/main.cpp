// The program body: the main window's start-up, then the message loop.
#include <QApplication>

#include "shell/platform/program_directory.h"
#include "ui/form_environment.h"
#include "ui/main_form.h"
#include "ui/qt_translations.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tunnex");
    tnx::ui::InstallQtRussianTranslation(application);

    tnx::ui::TFormEnvironment environment;
    tnx::ui::TForm1 form(tnx::platform::ProgramDirectory(), environment);
    if (const auto exitCode = form.FormCreate()) return *exitCode;
    form.show();
    form.activateWindow();
    return application.exec();
}
