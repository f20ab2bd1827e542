// Qt's own texts speak Russian once its translation is installed, while the described
// message box keeps its "Error" caption and its "OK" button.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include "ui/form_environment.h"
#include "ui/qt_translations.h"

namespace tnx::ui {
namespace {

bool HasCyrillic(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

TEST(QtTranslation, ContextMenusAreRussianAndTheDescribedBoxKeepsItsTexts) {
    QTranslator* translator = InstallQtRussianTranslation(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_ru.qm is not installed";

    QTextBrowser browser;
    browser.setHtml("<a href='#x'>ссылка</a> текст");
    browser.selectAll();
    const std::unique_ptr<QMenu> menu(browser.createStandardContextMenu());
    int texts = 0;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        ++texts;
        EXPECT_TRUE(HasCyrillic(action->text())) << action->text().toStdString();
    }
    EXPECT_GT(texts, 0);

    QString caption, button;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        button = box->button(QMessageBox::Ok)->text();
        box->accept();
    });
    TFormEnvironment().ErrorBox(nullptr, "Текст");
    EXPECT_EQ(caption, "Error");
    EXPECT_EQ(button, "OK");

    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace tnx::ui
