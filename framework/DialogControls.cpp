#include "DialogControls.h"

#include "framework/QtText.h"
#include "resources/ToolbarResource.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kIconSize(32, 32);

QWidget* CreateStaticText(const DialogControl& control, QWidget* dialog) {
  auto* label = new QLabel(dialog);
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQString(StaticTextShown(control.text, (control.style & kNoPrefix) != 0)));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

// The templates were laid out for a bitmap font that no Linux desktop has;
// with the faces that stand in for it a long text can need one line more than
// its rectangle holds. The text then grows downwards rather than losing its
// last words: position and width stay the template's.
void GrowToFitText(QLabel& label) {
  const QFontMetrics metrics = label.fontMetrics();
  const QRect room(0, 0, label.width(), label.height());
  const int needed = metrics.boundingRect(room, Qt::TextWordWrap, label.text()).height();
  const int lines = needed / metrics.lineSpacing();
  if (lines * metrics.lineSpacing() > label.height()) label.resize(label.width(), needed);
}

// A button without a tab stop still takes the focus when clicked. A button
// with the focus is the one Enter presses, the default one otherwise.
QWidget* CreatePushButton(const DialogControl& control, QWidget* dialog) {
  auto* button = new QPushButton(ToQString(control.text), dialog);
  button->setDefault((control.style & kDefaultButton) != 0);
  button->setFocusPolicy((control.style & kTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
  return button;
}

QWidget* CreateIcon(const DialogControl& control, QWidget* dialog) {
  auto* label = new QLabel(dialog);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const std::string_view path = FindIconResource(control.iconId);
  if (!path.empty()) label->setPixmap(QIcon(ToQString(path)).pixmap(kIconSize));
  return label;
}

}  // namespace

QWidget* CreateDialogControl(const DialogControl& control, DialogBaseUnits units, QWidget* dialog) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::StaticText:
      widget = CreateStaticText(control, dialog);
      break;
    case ControlKind::PushButton:
      widget = CreatePushButton(control, dialog);
      break;
    case ControlKind::GroupBox:
      widget = new QGroupBox(ToQString(control.text), dialog);
      break;
    case ControlKind::Icon:
      widget = CreateIcon(control, dialog);
      break;
  }
  widget->setGeometry(DialogRectToPixels(control.rect, units));
  if (control.kind == ControlKind::StaticText) GrowToFitText(*static_cast<QLabel*>(widget));
  return widget;
}

std::string StaticTextShown(std::string_view text, bool noPrefix) {
  if (noPrefix) return std::string(text);
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 == text.size() || text[i + 1] != '&') continue;
      ++i;
    }
    shown += text[i];
  }
  return shown;
}
