#include "ui/form_environment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWhatsThis>

#include "shell/platform/program_directory.h"
#include "ui/help_file.h"
#include "ui/help_window.h"

namespace tnx::ui {

int TFormEnvironment::ScreenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

QRect TFormEnvironment::ScreenArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

QRect TFormEnvironment::UsableScreen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

void TFormEnvironment::ErrorBox(QWidget* parent, const std::string& text) {
    QString message = QString::fromStdString(text);
    message.replace("\r\n", "\n");
    QMessageBox box(QMessageBox::Critical, "Error", message, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText("OK");  // as described, whatever Qt's translation says
    box.exec();
}

void TFormEnvironment::Wait(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }

bool TFormEnvironment::ApplicationActive() const {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void TFormEnvironment::ShowHelp(int topic) {
    // Once the loop runs, so that help asked for during start-up opens over the main window.
    QTimer::singleShot(0, qApp, [path = HelpFilePath(), topic] { THelpWindow::Open(path, topic); });
}

void TFormEnvironment::ShowContextHelp(QWidget* control, int topic) {
    QWhatsThis::showText(control->mapToGlobal(control->rect().center()), HelpTopicText(topic), control);
}

std::filesystem::path TFormEnvironment::HelpFilePath() const { return platform::ProgramDirectory() / kHelpFileName; }

QString TFormEnvironment::HelpTopicText(int topic) const {
    QString error;
    const auto help = THelpFile::Load(HelpFilePath(), error);
    if (!help) return "<p>Справка недоступна: " + error.toHtmlEscaped() + "</p>";
    const QString text = help->TopicHtml(topic);
    return text.isEmpty() ? "<p>В справке нет раздела " + QString::number(topic) + ".</p>" : text;
}

int TFormEnvironment::ExecDialog(QDialog& dialog) { return dialog.exec(); }

bool TFormEnvironment::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace tnx::ui
