#pragma once

#include <QDialog>

#include "ui/window_procedures.h"

struct DialogTemplate;
struct DialogControl;

// A dialog built from its template; every event goes first to the dialog
// procedure of its slot.
class GameDialog : public QDialog {
 public:
  GameDialog(const DialogTemplate& dialogTemplate, QWidget* parent,
             WindowProcedure procedure);
  ~GameDialog() override;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddControl(const DialogControl& control, int baseWidth, int baseHeight);
  QWidget* NewControl(const DialogControl& control);

  WindowProcedure procedure_;
};

// The dialog font: the desktop's default font in place of the template's.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// Runs the dialog of templateId modally over the window of parentSlot with
// the dialog procedure of the slot registered for it: 0 when it has ended,
// 1 when no slot is registered for the template.
int ShowModalDialog(int parentSlot, int templateId);
