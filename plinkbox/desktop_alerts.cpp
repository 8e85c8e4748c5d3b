#include "desktop_alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// The texts end their lines with LF CR; the box would break twice there.
QString OneBreakPerLine(QString text) { return text.replace("\n\r", "\n"); }

}  // namespace

void DesktopAlerts::Warning(const QString& caption, const QString& text) {
  QMessageBox::warning(QApplication::activeWindow(), caption, OneBreakPerLine(text));
}

void DesktopAlerts::Information(const QString& caption, const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), caption, OneBreakPerLine(text));
}

void DesktopAlerts::Message(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, OneBreakPerLine(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void DesktopAlerts::Beep() { QApplication::beep(); }
