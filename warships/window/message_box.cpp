#include "window/message_box.h"

#include <QMessageBox>

void ShowMessage(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
