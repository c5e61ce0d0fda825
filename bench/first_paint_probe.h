// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Ends a benchmarked program as soon as its first top-level window has been
// mapped and painted, printing "painted" for the timing harness. Linking
// first_paint_probe.cpp into a program installs it when the toolkit starts.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace tavilo::bench {

class FirstPaintProbe final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr && widget->isWindow() && !done_) {
            done_ = true;
            // Report once the paint has been delivered and flushed.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

  private:
    bool done_ = false;
};

}  // namespace tavilo::bench
