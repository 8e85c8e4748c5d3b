#include "window/message_box.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// Room beside the caption for the window manager's icon and buttons.
constexpr int CaptionRoom = 120;

// A short message makes a narrow box; keep it wide enough to show its caption.
void FitCaption(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(title) + CaptionRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

void ShowMessage(QWidget* parent, const QString& title, const QString& text, const BoxPlace& place)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    FitCaption(box, title);
    // The inside is placed: the frame of a window not shown yet is unknown.
    if (place)
        box.setGeometry(QRect(place(box.sizeHint()), box.sizeHint()));
    box.exec();
}
