// Qt's own Russian texts (context menus, standard dialogs), from the translations Qt ships.
#pragma once

class QCoreApplication;
class QTranslator;

namespace tnx::ui {

// The installed translator, owned by the application; nullptr when Qt's Russian
// translation is not there, and then a warning says so on standard error.
QTranslator* InstallQtRussianTranslation(QCoreApplication& application);

}  // namespace tnx::ui
