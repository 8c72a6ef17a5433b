#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "texts/runic_captions.h"

class QAction;
class QWidget;

namespace kolvar {

// The script every window writes its captions in: the runes (the default)
// or Latin letters. One setting for the whole program; windows show a
// change when they next show their captions (ShowScript).
Script CurrentScript();
void SetCurrentScript(Script script);

// A caption in the current script: runic bytes for the Runex23x face, or the
// plain Hungarian.
QString ScriptString(const RunicText& text);

// The face for captions at a runic character height in pixels: the runic
// face itself, or in Latin letters a plain face of about the same size.
QFont ScriptFont(int runicPixelHeight);

// Shows a caption on a control (label, push, check or radio button, group
// box): its text in the current script, the plain Hungarian as its
// accessible name in either script and, under the runes, as its tooltip, so
// a curious reader can learn them. A control with a face of its own changes
// between the runic and the plain face at the same design height.
void ShowCaption(QWidget* control, const RunicText& text);
// A menu item likewise; `keys`, when given, follows a tab and is drawn in a
// plain face by MenuKeyStyle (its menu must use that style). Its screen
// reader name is the plain Hungarian (see InstallCaptionAccessibility).
void ShowCaption(QAction* action, const RunicText& text, std::string_view keys = {});

// A window's own face (which its controls without a face of their own
// inherit) in the current script, and the spoken names of its controls that
// show no caption: PlainControlName("Class.objectName") for each child.
void ShowWindowScript(QWidget* window, std::string_view className);

// Makes screen readers speak a captioned menu item by its plain Hungarian
// rather than by its runic bytes. Installed once; ShowCaption does it.
void InstallCaptionAccessibility();

}  // namespace kolvar
