#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// The one application object of the test program, created on first use.
inline void EnsureApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "zorbwin_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

// Runs action on the modal widget that the code under test opens next.
inline void OnNextModal(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
}
