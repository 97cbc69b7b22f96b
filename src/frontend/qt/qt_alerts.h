#pragma once

#include <QMessageBox>
#include <QPointer>
#include <ostream>
#include <string>
#include <vector>

#include "platform/alerts.h"

namespace orvant {

// Alerts as the desktop shows them: a message box with the application's title and an OK
// button (its text also goes to the error stream, as without a window), and the desktop's beep.
// A note goes to the error stream and shows in a box of its own
// that holds nothing up: the station goes on while it shows, and it closes itself after
// `noteMs` unless the operator closes it first.
class QtAlerts : public Alerts {
  public:
    static constexpr int kNoteMs = 10000;

    QtAlerts(std::string title, std::ostream& errors, int noteMs = kNoteMs)
        : title_(std::move(title)), errors_(errors), noteMs_(noteMs) {}
    ~QtAlerts() override;
    QtAlerts(const QtAlerts&) = delete;
    QtAlerts& operator=(const QtAlerts&) = delete;

    void messageBox(const std::string& text) override;
    void beep() override;
    void note(const std::string& text) override;

    // The notes that show now.
    std::vector<QMessageBox*> notesShown() const;
    // Lets the toolkit run until every note has closed.
    void waitForNotes();

  private:
    std::string title_;
    std::ostream& errors_;
    int noteMs_;
    std::vector<QPointer<QMessageBox>> notes_;
};

}  // namespace orvant
