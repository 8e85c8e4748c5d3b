#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

// Where the inside of a box goes, given its size without the frame.
using BoxPlace = std::function<QPoint(QSize)>;

// A modal message box with an OK button and no icon, centred on its parent,
// or with the top-left corner of its inside where place says.
void ShowMessage(QWidget* parent, const QString& title, const QString& text,
                 const BoxPlace& place = {});
