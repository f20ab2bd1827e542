#include "ui/form_environment.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>

namespace tnx::ui {

int TFormEnvironment::ScreenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

void TFormEnvironment::ErrorBox(QWidget* parent, const std::string& text) {
    QString message = QString::fromStdString(text);
    message.replace("\r\n", "\n");
    QMessageBox box(QMessageBox::Critical, "Error", message, QMessageBox::Ok, parent);
    box.exec();
}

void TFormEnvironment::Wait(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

bool TFormEnvironment::ApplicationActive() const {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void TFormEnvironment::ShowHelp(int) {}

void TFormEnvironment::ShowContextHelp(QWidget*, int) {}

}  // namespace tnx::ui
