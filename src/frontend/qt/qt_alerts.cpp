#include "frontend/qt/qt_alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace orvant {

void QtAlerts::messageBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title_),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

void QtAlerts::beep() {
    QApplication::beep();
}

}  // namespace orvant
