#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTest>
#include <string>

#include "form1.h"
#include "scripted_scheduler.h"

// Records the message boxes and beeps instead of showing them.
class ScriptedAlerts : public Alerts {
 public:
  void Warning(const QString& caption, const QString& text) override {
    warnings << caption + "|" + text;
  }
  void Information(const QString& caption, const QString& text) override {
    informations << caption + "|" + text;
  }
  void Message(const QString& caption, const QString& text) override {
    messages << caption + "|" + text;
  }
  void Beep() override { ++beeps; }

  QStringList warnings;
  QStringList informations;
  QStringList messages;
  int beeps = 0;
};

// The window shown, with scripted message boxes and a simulated clock.
class Form1Test : public testing::Test {
 protected:
  Form1Test() : form(alerts, scheduler) {
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }

  // Presses the mouse on a disk; returns the drag it started, if any.
  QDrag* PressOn(DiskImage* disk) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mousePress(disk, Qt::LeftButton, {}, disk->rect().center());
    QTest::mouseRelease(disk, Qt::LeftButton, {}, disk->rect().center());
    return disk->findChild<QDrag*>();
  }

  // Releases a drag at a point of the window: the drop goes to the widget
  // there that takes drops, or to its nearest parent that does.
  bool DropAt(QDrag* drag, QPoint windowPoint) { return DropAt(drag->mimeData(), windowPoint); }

  bool DropAt(const QMimeData* data, QPoint windowPoint) {
    QWidget* site = form.childAt(windowPoint);
    while (site != nullptr && !site->acceptDrops()) site = site->parentWidget();
    if (site == nullptr) return false;
    const QPoint local = site->mapFrom(&form, windowPoint);
    QDragEnterEvent enter(local, Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(site, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(local, Qt::MoveAction, data, Qt::NoButton, {});
    QApplication::sendEvent(site, &drop);
    return drop.isAccepted();
  }

  QPoint ArrowPoint(int k) const { return form.Arrow(k)->mapTo(&form, QPoint(17, 30)); }

  bool DragToArrow(DiskImage* disk, int k) {
    QDrag* drag = PressOn(disk);
    return drag != nullptr && DropAt(drag, ArrowPoint(k));
  }

  // Drops a disk by its column's number key, one column digit (0 to 6) per move.
  void PlayByKeys(const std::string& columns) {
    for (char column : columns) QTest::keyClick(&form, static_cast<char>('1' + column - '0'));
  }

  bool ShowsPicture(int cell, const QPixmap& picture) const {
    return form.Cell(cell)->pixmap().toImage() == picture.toImage();
  }

  QColor PixelAt(QPoint windowPoint) { return form.grab().toImage().pixelColor(windowPoint); }

  // A point on the red line between two cells of the board.
  QPoint OnLine(QPoint clientPoint) const { return form.centralWidget()->mapTo(&form, clientPoint); }

  ScriptedAlerts alerts;
  ScriptedScheduler scheduler;
  Form1 form;
  Pictures pictures;
};
