#include "window/map_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int WidthTwips = 4815;

} // namespace

MapWindow::MapWindow(const QString& caption, int heightTwips, Qt::WindowFlags flags)
    : QWidget(nullptr, flags)
{
    setWindowTitle(caption);
    setFixedSize(WidthTwips / TwipsPerPixel, heightTwips / TwipsPerPixel);
    for (int index = 0; index < CellCount; ++index)
        cells_[index] = new CellBox(index, this);
}

CellBox* MapWindow::Image1(int index) const
{
    return cells_[index];
}

void MapWindow::PrintCell(int cell, const CellMark& mark)
{
    cells_[cell]->Print(mark);
}

void MapWindow::ClearCell(int cell)
{
    cells_[cell]->Clear();
}

void MapWindow::MarkLastShot(int cell)
{
    if (lastShot_)
        lastShot_->SetFramed(false);
    lastShot_ = cells_[cell];
    lastShot_->SetFramed(true);
}

void MapWindow::Beep()
{
    QApplication::beep();
}

void MapWindow::PinAt(std::function<QPoint()> place)
{
    place_ = std::move(place);
    Repin();
}

void MapWindow::Repin()
{
    if (place_ && frameGeometry().topLeft() != place_())
        move(place_());
}

bool MapWindow::Framed() const
{
    return frameGeometry() != geometry();
}

void MapWindow::WaitUntilFramed()
{
    constexpr int LongestWaitMs = 1000;
    if (Framed())
        return;
    QEventLoop loop;
    QTimer::singleShot(LongestWaitMs, &loop, &QEventLoop::quit);
    connect(this, &MapWindow::Moved, &loop, [this, &loop] {
        if (Framed())
            loop.quit();
    });
    loop.exec();
}

void MapWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    Repin();
    emit Moved();
}

void MapWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}
