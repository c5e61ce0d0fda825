// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The headless window test fixture.
#include "window_fixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include "platform/qt/text.h"
#include "res/resource_ids.h"

namespace tavilo::testing {

namespace {

// Generous: a healthy script finishes in well under a second.
constexpr int kWatchdogMs = 20000;

// Closes every modal window, innermost first, so that a stuck test unwinds.
void CloseAllModals() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            if (auto* window = dynamic_cast<TemplateWindow*>(dialog)) {
                window->EndModal(-2);
            } else {
                dialog->done(QDialog::Rejected);
            }
        } else {
            modal->close();
        }
        QApplication::processEvents();
    }
}

}  // namespace

QtWindows::QtWindows() {
    platform::WindowSystem::Install(&windowSystem);
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
        ADD_FAILURE() << "watchdog: a window stayed open that the test did not expect";
        CloseAllModals();
    });
    watchdog_.start(kWatchdogMs);
}

QtWindows::~QtWindows() {
    watchdog_.stop();
    platform::WindowSystem::Install(nullptr);
}

void QtWindows::OnNextModal(std::function<void(QWidget*)> script) {
    QWidget* current = QApplication::activeModalWidget();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, current, script = std::move(script)] {
        QWidget* modal = QApplication::activeModalWidget();
        // Wait until the window has the keyboard, as a user would.
        if (modal == nullptr || modal == current || !modal->isActiveWindow()) return;
        poll->stop();
        poll->deleteLater();
        script(modal);
    });
    poll->start();
}

void QtWindows::AnswerNextMessageBox(QMessageBox::StandardButton button, SeenMessageBox* seen) {
    OnNextModal([button, seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "expected a message box";
        seen->seen = true;
        seen->text = platform::qt::ToStdString(box->text());
        seen->caption = platform::qt::ToStdString(box->windowTitle());
        seen->icon = box->icon();
        seen->defaultButton = box->standardButton(box->defaultButton());
        QAbstractButton* pressed = box->button(button);
        ASSERT_NE(pressed, nullptr);
        pressed->click();
    });
}

int QtWindows::RunMainWindow(const std::function<void(TemplateWindow*)>& script) {
    ui::PiNetworkDialog dialog;
    application.SetMainWindow(&dialog);
    OnNextModal([&](QWidget* modal) {
        auto* window = dynamic_cast<TemplateWindow*>(modal);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(window, platform::qt::WindowOf(dialog));
        script(window);
        // A script that leaves the window open fails here instead of hanging.
        if (window->isVisible()) {
            ADD_FAILURE() << "the script left the main window open";
            window->EndModal(-2);
        }
    });
    return dialog.RunModal();
}

QLineEdit* QtWindows::Edit(TemplateWindow* window, int id) {
    return qobject_cast<QLineEdit*>(window->Control(id));
}

QWidget* QtWindows::Control(TemplateWindow* window, int id) {
    return window->Control(id);
}

std::string QtWindows::Text(TemplateWindow* window, int id) {
    return platform::qt::ToStdString(Edit(window, id)->text());
}

void QtWindows::Type(TemplateWindow* window, int id, const QString& text) {
    QLineEdit* edit = Edit(window, id);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

void QtWindows::Paste(TemplateWindow* window, int id, const QString& text) {
    QApplication::clipboard()->setText(text);
    QLineEdit* edit = Edit(window, id);
    edit->setFocus();
    edit->selectAll();
    QTest::keySequence(window->windowHandle(), QKeySequence::Paste);
}

void QtWindows::TypeDesign(TemplateWindow* window, const QString& plate, const QString& antenna,
                           const QString& q0, const QString& freq) {
    Type(window, res::IDC_PLATE_Z, plate);
    Type(window, res::IDC_ANTENNA_Z, antenna);
    Type(window, res::IDC_Q0, q0);
    Type(window, res::IDC_FREQ, freq);
}

void QtWindows::Click(TemplateWindow* window, int id) {
    QTest::mouseClick(window->Control(id), Qt::LeftButton);
}

}  // namespace tavilo::testing
