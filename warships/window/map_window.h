#pragma once

#include "core/cell_index.h"
#include "core/map_view.h"
#include "window/cell_box.h"

#include <QWidget>
#include <array>
#include <functional>

// A map window: 100 cells that the rules print into. It cannot be moved,
// and closing it ends the program.
class MapWindow : public QWidget, public MapView {
    Q_OBJECT

public:
    MapWindow(const QString& caption, int heightTwips, Qt::WindowFlags flags);

    CellBox* Image1(int index) const;

    void PrintCell(int cell, const CellMark& mark) override;
    void ClearCell(int cell) override;
    void MarkLastShot(int cell) override;
    void Beep() override;

    // Keeps the outer frame's top-left corner where place says.
    void PinAt(std::function<QPoint()> place);
    void Repin();
    // Lets events run until the window manager has put a frame round the
    // shown window, so that its outer size is known; a second at most.
    void WaitUntilFramed();

signals:
    void Moved();

protected:
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool Framed() const;

    std::array<CellBox*, CellCount> cells_{};
    CellBox* lastShot_ = nullptr;
    std::function<QPoint()> place_;
};
