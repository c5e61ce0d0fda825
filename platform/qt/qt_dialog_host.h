// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// A dialog's window on Qt Widgets, built from its template.
#pragma once

#include <QDialog>
#include <QPointer>
#include <map>
#include <memory>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_host.h"
#include "platform/qt/dialog_units.h"

class QMenu;
class QPainter;

namespace tavilo::platform::qt {

class QtWindowSystem;

// The Qt window of one running dialog. Controls come from the template, in
// template order (also the tab and drawing order); no code places them.
class TemplateWindow final : public QDialog {
  public:
    TemplateWindow(Dialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);
    ~TemplateWindow() override;

    // The dialog this window shows.
    Dialog& dialog() const { return dialog_; }

    // The control with this id, or null.
    QWidget* Control(ControlId id) const;
    QWidget* FirstTabStop() const;
    const BaseUnits& baseUnits() const { return units_; }

    // Routes a message to the dialog: through its table, else the default.
    std::intptr_t Route(const Message& message);
    std::intptr_t DefaultProcessing(const Message& message);

    void AppendSystemMenuItem(unsigned flags, unsigned commandId, std::string_view text);
    // Opens the window's own system menu at a point in window coordinates.
    void ShowSystemMenu(const QPoint& at);
    QMenu* systemMenu() const { return systemMenu_; }

    void SetIcon(unsigned size, const QIcon& icon);
    void DrawIcon(int x, int y, const QIcon& icon);

    void EndModal(int result);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void CreateControls();
    QWidget* CreateControl(const ControlTemplate& control, int index);
    void NameEditsAfterTheirLabels();
    void ChainTabOrder();

    Dialog& dialog_;
    const DialogTemplate& template_;
    BaseUnits units_;
    std::vector<QWidget*> controls_;  // in template order
    std::map<ControlId, QWidget*> byId_;
    QMenu* systemMenu_ = nullptr;
    QIcon bigIcon_;
    QIcon smallIcon_;
    QPaintEvent* paintEvent_ = nullptr;  // while a WM_PAINT is being handled
    QPainter* painter_ = nullptr;
    bool ending_ = false;
};

class QtDialogHost final : public DialogHost {
  public:
    QtDialogHost(QtWindowSystem& system, Dialog& dialog, const DialogTemplate& dialogTemplate,
                 Dialog* owner);
    ~QtDialogHost() override;

    std::string ControlText(ControlId id) const override;
    void SetControlText(ControlId id, std::string_view text) override;
    int ShowMessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void CheckRadioButton(ControlId first, ControlId last, ControlId checked) override;
    void AppendSystemMenuItem(unsigned flags, unsigned commandId, std::string_view text) override;
    void SetIcon(unsigned size, IconHandle icon) override;
    bool IsIconic() const override;
    Rect ClientRect() const override;
    void DrawIcon(int x, int y, IconHandle icon) override;
    int RunModalLoop(bool focusFirstTabStop) override;
    void EndModalLoop(int result) override;
    std::intptr_t DefaultProcessing(const Message& message) override;

    TemplateWindow* window() const { return window_; }

  private:
    QtWindowSystem& system_;
    QPointer<TemplateWindow> window_;
};

// The Qt window of a running dialog, or null (for tests and the backend).
TemplateWindow* WindowOf(const Dialog& dialog);

}  // namespace tavilo::platform::qt
