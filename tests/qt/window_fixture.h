// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Drives the real Qt windows headless: each modal run is played by a script
// that starts once its window is up, and a watchdog fails a test that meets a
// window nobody expected instead of letting it hang in its modal loop.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "app/pi_network_app.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_window_system.h"
#include "ui/pi_network_dialog.h"

namespace tavilo::testing {

using platform::qt::TemplateWindow;

// What a message box showed, and the button the script pressed.
struct SeenMessageBox {
    std::string text;
    std::string caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool seen = false;
};

class QtWindows : public ::testing::Test {
  protected:
    QtWindows();
    ~QtWindows() override;

    // Runs `script` on the next modal window that opens over the current one.
    void OnNextModal(std::function<void(QWidget*)> script);
    // Answers the next message box with `button` and records what it showed.
    void AnswerNextMessageBox(QMessageBox::StandardButton button, SeenMessageBox* seen);

    // Runs a main window with the script as the user; returns the run's end.
    int RunMainWindow(const std::function<void(TemplateWindow*)>& script);

    static QLineEdit* Edit(TemplateWindow* window, int id);
    static QWidget* Control(TemplateWindow* window, int id);
    static std::string Text(TemplateWindow* window, int id);
    static void Type(TemplateWindow* window, int id, const QString& text);
    // Types a design's four inputs into the main window, in tab order.
    static void TypeDesign(TemplateWindow* window, const QString& plate, const QString& antenna,
                           const QString& q0, const QString& freq);
    // Replaces the edit's text by pasting `text` from the clipboard with the
    // paste key, as a user would.
    static void Paste(TemplateWindow* window, int id, const QString& text);
    static void Click(TemplateWindow* window, int id);

    platform::qt::QtWindowSystem windowSystem;
    app::PiNetworkApp application;

  private:
    QTimer watchdog_;
};

}  // namespace tavilo::testing
