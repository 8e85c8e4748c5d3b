#include "ui/game_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "core/dialog_templates.h"
#include "core/program_icon.h"
#include "core/resource_ids.h"
#include "core/window_slots.h"
#include "ui/platform_events.h"

namespace {

constexpr int ICON_PIXELS = 32;

// A radio button that answers to a click anywhere in its rectangle.
class DialogRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& position) const override {
    return rect().contains(position);
  }
};

QPushButton* NewPushButton(const DialogControl& control) {
  // A focused button takes Return, otherwise the default one does.
  auto* button = new QPushButton(QString::fromLatin1(control.text));
  button->setAutoDefault(true);
  button->setDefault(control.kind == ControlKind::DefaultPushButton);
  return button;
}

QLabel* NewLabel(const DialogControl& control, Qt::Alignment alignment) {
  auto* label = new QLabel(QString::fromLatin1(control.text));
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

QLabel* NewIcon() {
  auto* icon = new QLabel;
  icon->setPixmap(QPixmap::fromImage(ProgramIcon()));
  return icon;
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  if (dialogTemplate.fontName == nullptr)
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  QFont font = QApplication::font();
  font.setPointSize(dialogTemplate.pointSize);
  return font;
}

GameDialog::GameDialog(const DialogTemplate& dialogTemplate, QWidget* parent,
                       WindowProcedure procedure)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      procedure_(procedure) {
  setWindowTitle(QString::fromLatin1(dialogTemplate.caption));
  setFont(DialogFont(dialogTemplate));
  const QFontMetrics metrics(font());
  const int baseWidth =
      (metrics.horizontalAdvance(
           QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2;
  const int baseHeight = metrics.height();
  setFixedSize(DialogUnitsToPixelsX(dialogTemplate.width, baseWidth),
               DialogUnitsToPixelsY(dialogTemplate.height, baseHeight));
  for (const DialogControl& control : dialogTemplate.controls)
    AddControl(control, baseWidth, baseHeight);
}

GameDialog::~GameDialog() {
  QEvent destroy(DestroyEventType());
  procedure_(this, &destroy);
}

QWidget* GameDialog::NewControl(const DialogControl& control) {
  switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      QPushButton* button = NewPushButton(control);
      connect(button, &QPushButton::clicked, this,
              [this, id = control.id] { SendCommand(this, id, NOTIFY_CLICKED, true); });
      return button;
    }
    case ControlKind::AutoRadioButton: {
      auto* radio = new DialogRadioButton(QString::fromLatin1(control.text));
      connect(radio, &QRadioButton::clicked, this,
              [this, id = control.id] { SendCommand(this, id, NOTIFY_CLICKED, true); });
      return radio;
    }
    case ControlKind::GroupBox:
      return new QGroupBox(QString::fromLatin1(control.text));
    case ControlKind::Static:
      return NewLabel(control, Qt::AlignLeft);
    case ControlKind::CentredStatic:
      return NewLabel(control, Qt::AlignHCenter);
    case ControlKind::Icon:
      return NewIcon();
  }
  return nullptr;
}

void GameDialog::AddControl(const DialogControl& control, int baseWidth, int baseHeight) {
  QWidget* widget = NewControl(control);
  widget->setParent(this);
  widget->setObjectName(QString::number(control.id));
  const bool icon = control.kind == ControlKind::Icon;
  widget->setGeometry(DialogUnitsToPixelsX(control.x, baseWidth),
                      DialogUnitsToPixelsY(control.y, baseHeight),
                      icon ? ICON_PIXELS : DialogUnitsToPixelsX(control.width, baseWidth),
                      icon ? ICON_PIXELS : DialogUnitsToPixelsY(control.height, baseHeight));
  // A group box only frames the controls drawn over it.
  if (control.kind == ControlKind::GroupBox) widget->lower();
}

bool GameDialog::event(QEvent* event) {
  return procedure_(this, event) || QDialog::event(event);
}

// Escape sends the cancel command instead of closing the dialog by itself.
void GameDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    SendCommand(this, IDC_CANCEL, NOTIFY_CLICKED, false);
    return;
  }
  QDialog::keyPressEvent(event);
}

int ShowModalDialog(int parentSlot, int templateId) {
  const int slot = FindWindowSlot(templateId);
  const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
  if (slot < 0 || dialogTemplate == nullptr) return 1;
  QWidget* parent = nullptr;
  if (parentSlot >= 0 && parentSlot < WINDOW_SLOT_COUNT)
    parent = qobject_cast<QWidget*>(windowSlots[parentSlot].window);
  GameDialog dialog(*dialogTemplate, parent, DialogProcedureOf(slot));
  QEvent init(InitDialogEventType());
  QCoreApplication::sendEvent(&dialog, &init);
  dialog.exec();
  return 0;
}
