#include "frontend/qt/qt_alerts.h"

#include <QApplication>
#include <QTimer>

#include "frontend/headless_frontend.h"

namespace orvant {

QtAlerts::~QtAlerts() {
    for (const QPointer<QMessageBox>& box : notes_) delete box.data();
}

void QtAlerts::messageBox(const std::string& text) {
    writeMessage(errors_, text);
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title_),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

void QtAlerts::beep() {
    QApplication::beep();
}

void QtAlerts::note(const std::string& text) {
    writeNote(errors_, text);
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromStdString(title_),
                                QString::fromStdString(text), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    QTimer::singleShot(noteMs_, box, &QWidget::close);
    std::erase_if(notes_, [](const QPointer<QMessageBox>& shown) { return shown.isNull(); });
    notes_.emplace_back(box);
    box->show();
}

std::vector<QMessageBox*> QtAlerts::notesShown() const {
    std::vector<QMessageBox*> shown;
    for (const QPointer<QMessageBox>& box : notes_)
        if (!box.isNull() && box->isVisible()) shown.push_back(box.data());
    return shown;
}

void QtAlerts::waitForNotes() {
    while (!notesShown().empty()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace orvant
