#include "desktop_alerts.h"

#include <QApplication>
#include <QMessageBox>

void DesktopAlerts::Warning(const QString& caption, const QString& text) {
  QMessageBox::warning(QApplication::activeWindow(), caption, text);
}

void DesktopAlerts::Information(const QString& caption, const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), caption, text);
}

void DesktopAlerts::Message(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void DesktopAlerts::Beep() { QApplication::beep(); }
