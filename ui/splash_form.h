// The start-up screen with its progress gauge and status line.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace tnx::ui {

class TImage;

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGaugeSteps = 13;

    TSplashForm(QWidget* owner, const QString& versionText, const QString& buildText);

    TImage* Image1;        // the picture, the whole form
    QLabel* Label1;        // version and build
    QLabel* Label2;        // status
    QLabel* Label3;        // legal notice
    QProgressBar* Gauge1;  // start-up steps, 0..13
};

}  // namespace tnx::ui
