#pragma once
// Conversion between the Windows-1252 bytes of the data files and QString.
#include <QByteArray>
#include <QString>
#include <string_view>

namespace cifrala {

QString from_cp1252(std::string_view bytes);
// Characters outside the code page become '?'.
QByteArray to_cp1252(const QString& text);

}  // namespace cifrala
