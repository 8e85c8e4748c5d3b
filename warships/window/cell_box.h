#pragma once

#include "core/cell_mark.h"

#include <QColor>
#include <QWidget>
#include <vector>

// One bordered cell of a map. What is printed into it stays until cleared.
class CellBox : public QWidget {
    Q_OBJECT

public:
    CellBox(int index, QWidget* parent);

    void Print(const CellMark& mark);
    void Clear();
    // Draws the frame of the latest shot over the cell's border, or takes it
    // away; what is printed stays as it is.
    void SetFramed(bool framed);
    bool Framed() const;
    // What has been printed since the last clearing, oldest first.
    const std::vector<CellMark>& Marks() const;

    static const QSize BoxSize;
    static const QPoint BoxStep;
    static const QColor FrameColor;

signals:
    void Click(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    bool pressed_ = false;
    bool framed_ = false;
    std::vector<CellMark> marks_;
};
