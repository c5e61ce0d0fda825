// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Conversions between the program's UTF-8 texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavilo::platform::qt {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace tavilo::platform::qt
