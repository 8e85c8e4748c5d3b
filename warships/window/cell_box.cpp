#include "window/cell_box.h"

#include <QMouseEvent>
#include <QPainter>

// 495 x 375 twips, one every 480 x 360 twips: neighbours share a border line.
const QSize CellBox::BoxSize{33, 25};
const QPoint CellBox::BoxStep{32, 24};
const QColor CellBox::FrameColor{0x00, 0xA0, 0x00};

namespace {

const QColor BackColor{0xC0, 0xC0, 0xC0};
// The frame of the latest shot covers the border and the line inside it,
// clear of the centred text.
constexpr int FrameWidth = 2;

QColor ToQColor(MarkColor color)
{
    switch (color) {
    case MarkColor::Red:
        return Qt::red;
    case MarkColor::Blue:
        return Qt::blue;
    case MarkColor::Black:
        break;
    }
    return Qt::black;
}

QFont MarkFont(bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

// A frame along the edges of box, FrameWidth thick.
void PaintFrame(QPainter& painter, const QRect& box, const QColor& color)
{
    painter.fillRect(QRect(0, 0, box.width(), FrameWidth), color);
    painter.fillRect(QRect(0, box.height() - FrameWidth, box.width(), FrameWidth), color);
    painter.fillRect(QRect(0, 0, FrameWidth, box.height()), color);
    painter.fillRect(QRect(box.width() - FrameWidth, 0, FrameWidth, box.height()), color);
}

} // namespace

CellBox::CellBox(int index, QWidget* parent)
    : QWidget(parent)
    , index_(index)
{
    setFixedSize(BoxSize);
    move(BoxStep.x() * (index % 10), BoxStep.y() * (index / 10));
}

void CellBox::Print(const CellMark& mark)
{
    marks_.push_back(mark);
    update();
}

void CellBox::Clear()
{
    marks_.clear();
    update();
}

void CellBox::SetFramed(bool framed)
{
    framed_ = framed;
    // Over the neighbours, which share its border lines.
    if (framed)
        raise();
    update();
}

bool CellBox::Framed() const
{
    return framed_;
}

const std::vector<CellMark>& CellBox::Marks() const
{
    return marks_;
}

void CellBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), BackColor);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (framed_)
        PaintFrame(painter, rect(), FrameColor);

    // Centred in the inner area, inside the border line.
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    for (const CellMark& mark : marks_) {
        const QString text = QString::fromStdString(mark.Text);
        const QFont font = MarkFont(mark.Bold);
        const QFontMetrics metrics(font);
        const int x = (inner.width() - metrics.horizontalAdvance(text)) / 2;
        const int y = (inner.height() - metrics.height()) / 2;
        painter.setFont(font);
        painter.setPen(ToQColor(mark.Color));
        painter.drawText(inner.left() + x, inner.top() + y + metrics.ascent(), text);
    }
}

void CellBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

// A click is a press and a release of the left button on the same cell.
void CellBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit Click(index_);
}
