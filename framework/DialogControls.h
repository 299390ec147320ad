#pragma once
// The widgets of a dialog's controls, made from their templates.

#include "framework/DialogUnits.h"
#include "resources/DialogResource.h"

#include <string>
#include <string_view>

class QWidget;

// Makes the widget of control as a child of dialog, at the control's
// rectangle in pixels:
//   static text  a label, left-aligned, word-wrapped, plain text
//   push button  a button, the default one when the template says so
//   group box    a frame with the control's text as its title
//   icon         the icon resource, 32 by 32 pixels at the top-left corner
QWidget* CreateDialogControl(const DialogControl& control, DialogBaseUnits units, QWidget* dialog);

// What a static text shows: "&&" as "&" and a lone "&" (a mnemonic mark)
// left out, unless noPrefix, when the text shows as it is.
std::string StaticTextShown(std::string_view text, bool noPrefix);
