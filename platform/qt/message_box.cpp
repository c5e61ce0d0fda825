// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Modal message boxes.
#include "platform/qt/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "platform/qt/text.h"
#include "platform/window.h"

namespace tavilo::platform::qt {

namespace {

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONSTOP:
            return QMessageBox::Critical;
        case 0x20:  // question
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case 0x40:  // information
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int RunMessageBox(QWidget* owner, std::string_view text, std::string_view caption, unsigned style) {
    QMessageBox box(IconOf(style), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                    owner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* cancel = nullptr;
    if ((style & MB_TYPEMASK) == MB_OKCANCEL) cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(ok);
    // Escape and the close box answer Cancel where there is one, else OK.
    box.setEscapeButton(cancel != nullptr ? cancel : ok);
    // Alt+Space is the window's key, not the focused button's: as a plain key
    // press it would press that button and answer the box (OK on the Q0
    // prompt goes on with a raised Q0). A shortcut takes it first; the box has
    // no menu of its own to open.
    const QShortcut windowKey(QKeySequence(Qt::ALT | Qt::Key_Space), &box);
    box.exec();
    return box.clickedButton() == ok ? IDOK : IDCANCEL;
}

}  // namespace tavilo::platform::qt
