#include <QApplication>

#include "desktop_alerts.h"
#include "desktop_scheduler.h"
#include "form1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  DesktopAlerts alerts;
  DesktopScheduler scheduler;
  Form1 form(alerts, scheduler);
  form.show();
  return application.exec();
}
