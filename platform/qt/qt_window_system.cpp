// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The window system on Qt Widgets.
#include "platform/qt/qt_window_system.h"

#include <QApplication>
#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>

#include "platform/qt/qt_dialog_host.h"
#include "platform/resources.h"
#include "res/app_identity.h"

namespace tavilo::platform::qt {

QtWindowSystem::QtWindowSystem() = default;
QtWindowSystem::~QtWindowSystem() = default;

std::unique_ptr<DialogHost> QtWindowSystem::CreateDialogHost(Dialog& dialog,
                                                             const DialogTemplate& dialogTemplate,
                                                             Dialog* owner) {
    return std::make_unique<QtDialogHost>(*this, dialog, dialogTemplate, owner);
}

QIcon QtWindowSystem::IconFor(int iconId) {
    const std::span<const std::byte> bytes = FindIconGroup(iconId);
    QIcon icon;
    if (bytes.empty()) return icon;
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    do {
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    return icon;
}

IconHandle QtWindowSystem::LoadIcon(int iconId) {
    if (const auto found = loaded_.find(iconId); found != loaded_.end()) return found->second;
    QIcon icon = IconFor(iconId);
    if (icon.isNull()) return 0;
    icons_.push_back(std::move(icon));
    const IconHandle handle = icons_.size();
    loaded_[iconId] = handle;
    return handle;
}

QIcon QtWindowSystem::Icon(IconHandle handle) const {
    if (handle == 0 || handle > icons_.size()) return {};
    return icons_[handle - 1];
}

int QtWindowSystem::SystemMetric(int index) const {
    return (index == SM_CXICON || index == SM_CYICON) ? kIconSize : 0;
}

void QtWindowSystem::PrepareDesktopIntegration() {
    // Desktops match windows to the installed desktop entry through this id,
    // which gives the taskbar the program's name and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(res::kApplicationId));
    QApplication::setWindowIcon(IconFor(res::kApplicationIconId));
}

}  // namespace tavilo::platform::qt
