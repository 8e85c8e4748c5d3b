#include <QApplication>

#include "desktop_alerts.h"
#include "form1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  DesktopAlerts alerts;
  Form1 form(alerts);
  form.show();
  return application.exec();
}
