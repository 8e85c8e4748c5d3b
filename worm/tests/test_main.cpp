#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Text drawing and windows need an application; no display is used.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // The user's data and configuration folders of the run.
  const QTemporaryDir userFolders;
  qputenv("XDG_DATA_HOME", userFolders.filePath("data").toUtf8());
  qputenv("XDG_CONFIG_HOME", userFolders.filePath("config").toUtf8());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
