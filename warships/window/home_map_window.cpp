#include "window/home_map_window.h"

Form2::Form2()
    : MapWindow(QStringLiteral("Map of Home Base"), 3630,
                Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
}

void Form2::PlaceBeside(MapWindow& left)
{
    PinAt([&left] {
        const QRect frame = left.frameGeometry();
        return QPoint(frame.x() + frame.width(), 0);
    });
}
