#pragma once

#include <QCursor>
#include <QString>

#include <optional>

// A mouse cursor from a ".cur" file with the hot spot the file gives,
// enlarged by a whole factor; none when the file cannot be read.
std::optional<QCursor> LoadCursorFile(const QString& path, int scale);
