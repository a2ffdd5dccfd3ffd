#pragma once
// Window sizes that the pupil chose, kept between runs in a small file in
// the user's config folder: two lines, the width and the height in pixels.
// The file is replaced atomically, so a failed save keeps the previous size.
#include <QSize>
#include <QString>
#include <optional>

namespace cifrala {

// The stored size, when the file holds two whole numbers between 1 and
// 100000; nothing for a missing or damaged file.
std::optional<QSize> load_window_size(const QString& file_name);
// False when the file cannot be written (nothing is reported: the size is
// only a convenience).
bool save_window_size(const QString& file_name, QSize size);

}  // namespace cifrala
