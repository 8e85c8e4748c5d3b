#pragma once

#include <QString>

class QWidget;

// A modal message box with an OK button and no icon.
void ShowMessage(QWidget* parent, const QString& title, const QString& text);
