// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// A dialog's window on Qt Widgets: controls from the template, messages
// routed to the dialog's table, its own system menu and modal loop.
#include "platform/qt/qt_dialog_host.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <climits>

#include "platform/qt/message_box.h"
#include "platform/qt/qt_window_system.h"
#include "platform/qt/text.h"
#include "platform/window_styles.h"

namespace tavilo::platform::qt {

using namespace styles;

namespace {

bool IsPushButton(const ControlTemplate& control) {
    const std::uint32_t type = control.style & BS_TYPEMASK;
    return control.controlClass == ControlClass::Button &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsLabel(const ControlTemplate& control) {
    return control.controlClass == ControlClass::Static && (control.style & SS_TYPEMASK) != SS_ICON;
}

// A label names the edit it stands right above, or on the same row to its
// left, as a reader of the window pairs them.
const ControlTemplate* LabelFor(const DialogTemplate& dialogTemplate, const ControlTemplate& edit) {
    const ControlTemplate* best = nullptr;
    int bestDistance = INT_MAX;
    for (const ControlTemplate& label : dialogTemplate.controls) {
        if (!IsLabel(label)) continue;
        const bool overlapsColumn = label.x < edit.x + edit.width && edit.x < label.x + label.width;
        const bool above = overlapsColumn && label.y + label.height <= edit.y &&
                           edit.y - (label.y + label.height) <= 6;
        const bool leftOnRow = label.x + label.width <= edit.x &&
                               edit.x - (label.x + label.width) <= 10 &&
                               label.y < edit.y + edit.height && edit.y < label.y + label.height;
        if (!above && !leftOnRow) continue;
        const int distance = above ? edit.y - label.y : edit.x - label.x;
        if (distance < bestDistance) {
            best = &label;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

TemplateWindow::TemplateWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : QDialog(owner), dialog_(dialog), template_(dialogTemplate) {
    // A caption with the system menu and a close box; no minimise or
    // maximise box, and a fixed frame.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ToQString(template_.caption));
    setFont(DialogFont(template_.fontName, template_.fontPoints));
    units_ = MeasureBaseUnits(font());
    const QRect client = ToPixels(units_, 0, 0, template_.width, template_.height);
    setFixedSize(client.size());
    setSizeGripEnabled(false);

    systemMenu_ = new QMenu(this);
    AppendSystemMenuItem(MF_STRING, SC_MOVE, "&Move");
    AppendSystemMenuItem(MF_STRING, SC_CLOSE, "&Close");
    // Alt+Space belongs to the window, whatever control has the focus: as a
    // plain key press it would reach that control first, and a button would
    // take the Space as a click, an edit as a typed blank.
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenuKey, &QShortcut::activated, this, [this] { ShowSystemMenu(QPoint(0, 0)); });

    CreateControls();
}

TemplateWindow::~TemplateWindow() = default;

void TemplateWindow::CreateControls() {
    int index = 0;
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = CreateControl(control, index++);
        QRect geometry = ToPixels(units_, control.x, control.y, control.width, control.height);
        // The stand-in font runs a little wider than the template's: a label
        // grows to the right rather than cut its last letters off.
        if (IsLabel(control) && (control.style & SS_TYPEMASK) == SS_LEFT) {
            geometry.setWidth(std::max(geometry.width(), widget->sizeHint().width()));
        }
        widget->setGeometry(geometry);
        if ((control.style & WS_VISIBLE) == 0) widget->hide();
        controls_.push_back(widget);
        if (control.id != -1) byId_[control.id] = widget;
    }
    NameEditsAfterTheirLabels();
    ChainTabOrder();
}

QWidget* TemplateWindow::CreateControl(const ControlTemplate& control, int index) {
    const QString text = ToQString(control.text);
    const QString name = control.id != -1 ? QStringLiteral("control_%1").arg(control.id)
                                          : QStringLiteral("static_%1").arg(index);
    const bool tabStop = (control.style & WS_TABSTOP) != 0;
    QWidget* widget = nullptr;

    switch (control.controlClass) {
        case ControlClass::Edit: {
            auto* edit = new QLineEdit(text, this);
            // Texts of any length: the line edit would cut them at 32767.
            edit->setMaxLength(INT_MAX);
            edit->setFrame((control.style & WS_BORDER) != 0);
            edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            widget = edit;
            break;
        }
        case ControlClass::Button: {
            const std::uint32_t type = control.style & BS_TYPEMASK;
            if (type == BS_GROUPBOX) {
                auto* group = new QGroupBox(text, this);
                // The frame runs through the middle of the title's line, and
                // the title interrupts it, as the template's layout expects.
                const int halfLine = units_.y / 2;
                group->setStyleSheet(
                    QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                                   "QGroupBox::title { subcontrol-origin: margin;"
                                   " subcontrol-position: top left; left: %2px; padding: 0 2px; }")
                        .arg(halfLine)
                        .arg(units_.x));
                // A group box only frames; clicks go to what lies under it.
                group->setAttribute(Qt::WA_TransparentForMouseEvents);
                group->setFocusPolicy(Qt::NoFocus);
                widget = group;
                break;
            }
            QAbstractButton* button = nullptr;
            if (type == BS_AUTORADIOBUTTON) {
                button = new QRadioButton(text, this);
            } else {
                auto* push = new QPushButton(text, this);
                // Enter presses the focused button, or the template's default
                // button; no other button becomes a default.
                push->setAutoDefault(false);
                push->setDefault(type == BS_DEFPUSHBUTTON);
                button = push;
            }
            button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            const ControlId id = control.id;
            connect(button, &QAbstractButton::clicked, this,
                    [this, id] { Route(CommandMessage(id, BN_CLICKED)); });
            widget = button;
            break;
        }
        case ControlClass::Static: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            if ((control.style & SS_TYPEMASK) == SS_ICON) {
                const QIcon icon = QtWindowSystem::IconFor(control.iconId);
                label->setPixmap(icon.pixmap(32, 32));
                label->setAccessibleName(QStringLiteral("Tavilo icon"));
            } else {
                label->setText(text);
                label->setWordWrap(false);
                label->setAlignment((control.style & SS_TYPEMASK) == SS_CENTER
                                        ? Qt::AlignHCenter | Qt::AlignTop
                                        : Qt::AlignLeft | Qt::AlignTop);
            }
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget = label;
            break;
        }
    }
    widget->setObjectName(name);
    return widget;
}

void TemplateWindow::NameEditsAfterTheirLabels() {
    for (std::size_t i = 0; i < template_.controls.size(); ++i) {
        const ControlTemplate& control = template_.controls[i];
        if (control.controlClass != ControlClass::Edit) continue;
        if (const ControlTemplate* label = LabelFor(template_, control)) {
            QString name = ToQString(label->text);
            name.remove(QLatin1Char('&'));
            if (name.endsWith(QLatin1Char(':'))) name.chop(1);
            controls_[i]->setAccessibleName(name);
            // The label's own widget points screen readers to its edit too.
            const auto position = label - template_.controls.data();
            if (auto* labelWidget =
                    qobject_cast<QLabel*>(controls_[static_cast<std::size_t>(position)])) {
                labelWidget->setBuddy(controls_[i]);
            }
        }
    }
}

void TemplateWindow::ChainTabOrder() {
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if ((template_.controls[i].style & WS_TABSTOP) == 0) continue;
        if (previous != nullptr) setTabOrder(previous, controls_[i]);
        previous = controls_[i];
    }
}

QWidget* TemplateWindow::FirstTabStop() const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if ((template_.controls[i].style & WS_TABSTOP) != 0) return controls_[i];
    }
    return nullptr;
}

QWidget* TemplateWindow::Control(ControlId id) const {
    const auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

std::intptr_t TemplateWindow::Route(const Message& message) {
    return dialog_.HandleMessage(message);
}

std::intptr_t TemplateWindow::DefaultProcessing(const Message& message) {
    switch (message.id) {
        case WM_SYSCOMMAND:
            switch (message.wParam & 0xFFF0) {
                case SC_CLOSE:
                    return Route({WM_CLOSE});
                case SC_MOVE:
                    if (QWindow* handle = windowHandle()) handle->startSystemMove();
                    return 0;
                default:
                    return 0;
            }
        case WM_CLOSE:
            // A dialog closes as if Cancel had been pressed.
            return Route(CommandMessage(IDCANCEL));
        case WM_PAINT:
            if (paintEvent_ != nullptr) QDialog::paintEvent(paintEvent_);
            return 0;
        case WM_ICONERASEBKGND:
            if (painter_ != nullptr) painter_->fillRect(rect(), palette().window());
            return 1;
        case WM_QUERYDRAGICON:
            return 0;
        default:
            return 0;
    }
}

void TemplateWindow::AppendSystemMenuItem(unsigned flags, unsigned commandId,
                                          std::string_view text) {
    if ((flags & MF_SEPARATOR) != 0) {
        systemMenu_->addSeparator();
        return;
    }
    QAction* action = systemMenu_->addAction(ToQString(text));
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] {
        Route({WM_SYSCOMMAND, commandId, 0});
    });
}

void TemplateWindow::ShowSystemMenu(const QPoint& at) {
    systemMenu_->popup(mapToGlobal(at));
}

void TemplateWindow::SetIcon(unsigned size, const QIcon& icon) {
    (size == ICON_BIG ? bigIcon_ : smallIcon_) = icon;
    QIcon combined;
    for (const QIcon* source : {&bigIcon_, &smallIcon_}) {
        for (const QSize& available : source->availableSizes()) {
            combined.addPixmap(source->pixmap(available));
        }
    }
    setWindowIcon(combined);
}

void TemplateWindow::DrawIcon(int x, int y, const QIcon& icon) {
    if (painter_ == nullptr) return;
    const int size = QtWindowSystem::kIconSize;
    painter_->drawPixmap(x, y, icon.pixmap(size, size));
}

void TemplateWindow::EndModal(int result) {
    ending_ = true;
    done(result);
    ending_ = false;
}

void TemplateWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->key() == Qt::Key_Escape && plain) {
        Route(CommandMessage(IDCANCEL));
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        // Enter presses the focused push button; elsewhere it is the default
        // button's command, or OK when the template has no default button.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
            focused->click();
            return;
        }
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const ControlTemplate& control = template_.controls[i];
            if (IsPushButton(control) && (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                static_cast<QPushButton*>(controls_[i])->click();
                return;
            }
        }
        Route(CommandMessage(IDOK));
        return;
    }
    QWidget::keyPressEvent(event);
}

void TemplateWindow::closeEvent(QCloseEvent* event) {
    if (ending_) {
        event->accept();
        return;
    }
    // The close box and Alt+F4 are the system menu's Close.
    event->ignore();
    Route({WM_SYSCOMMAND, SC_CLOSE, 0});
}

void TemplateWindow::contextMenuEvent(QContextMenuEvent* event) {
    // A right click on the dialog's background opens its system menu.
    ShowSystemMenu(event->pos());
    event->accept();
}

void TemplateWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintEvent_ = event;
    painter_ = &painter;
    Route({WM_PAINT});
    painter_ = nullptr;
    paintEvent_ = nullptr;
}

QtDialogHost::QtDialogHost(QtWindowSystem& system, Dialog& dialog,
                           const DialogTemplate& dialogTemplate, Dialog* owner)
    : system_(system),
      window_(new TemplateWindow(dialog, dialogTemplate,
                                 owner != nullptr ? WindowOf(*owner) : nullptr)) {}

QtDialogHost::~QtDialogHost() {
    delete window_.data();
}

std::string QtDialogHost::ControlText(ControlId id) const {
    QWidget* control = window_->Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return ToStdString(edit->text());
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return ToStdString(button->text());
    if (auto* label = qobject_cast<QLabel*>(control)) return ToStdString(label->text());
    return {};
}

void QtDialogHost::SetControlText(ControlId id, std::string_view text) {
    QWidget* control = window_->Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(ToQString(text));
        // Show the start of a long text, as a freshly set edit does.
        edit->setCursorPosition(0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(ToQString(text));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(ToQString(text));
    }
}

int QtDialogHost::ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) {
    return RunMessageBox(window_, text, caption, style);
}

void QtDialogHost::CheckRadioButton(ControlId first, ControlId last, ControlId checked) {
    for (ControlId id = first; id <= last; ++id) {
        if (auto* radio = qobject_cast<QRadioButton*>(window_->Control(id))) {
            radio->setChecked(id == checked);
        }
    }
}

void QtDialogHost::AppendSystemMenuItem(unsigned flags, unsigned commandId, std::string_view text) {
    window_->AppendSystemMenuItem(flags, commandId, text);
}

void QtDialogHost::SetIcon(unsigned size, IconHandle icon) {
    window_->SetIcon(size, system_.Icon(icon));
}

bool QtDialogHost::IsIconic() const {
    return window_->isMinimized();
}

Rect QtDialogHost::ClientRect() const {
    const QRect client = window_->rect();
    return {0, 0, client.width(), client.height()};
}

void QtDialogHost::DrawIcon(int x, int y, IconHandle icon) {
    window_->DrawIcon(x, y, system_.Icon(icon));
}

int QtDialogHost::RunModalLoop(bool focusFirstTabStop) {
    window_->setWindowModality(Qt::ApplicationModal);
    if (focusFirstTabStop) {
        // The first tab stop in template order takes the focus when the window shows.
        if (QWidget* first = window_->FirstTabStop()) first->setFocus(Qt::OtherFocusReason);
    }
    return window_->exec();
}

void QtDialogHost::EndModalLoop(int result) {
    window_->EndModal(result);
}

std::intptr_t QtDialogHost::DefaultProcessing(const Message& message) {
    return window_->DefaultProcessing(message);
}

TemplateWindow* WindowOf(const Dialog& dialog) {
    auto* host = dynamic_cast<QtDialogHost*>(dialog.host());
    return host != nullptr ? host->window() : nullptr;
}

}  // namespace tavilo::platform::qt
