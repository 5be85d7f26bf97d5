// The program's dialog resources as data: the templates (used to build the
// in-memory dialogs) and the lists that the templates preload into combo boxes
// (used by both back ends). Defined by the program's resources (src/res).
#pragma once
#include <vector>

namespace fw {

struct ControlTemplate {
  const char* className;   // "Button", "Edit", "Static", "ComboBox", "SysTabControl32", "SysDateTimePick32"
  const char* text;
  int id;                  // -1 for a control without id
  unsigned style;
  int x, y, width, height; // dialog units
};

struct DialogTemplate {
  int id;
  const char* caption;
  unsigned style;
  int width, height;       // dialog units
  const char* fontName;
  int fontSize;
  std::vector<ControlTemplate> controls;
};

// The template of dialog resource `id`, or null.
const DialogTemplate* FindDialogTemplate(int id);

// The items preloaded into combo box `controlId` of dialog `templateId`, in
// order; null when it has none. The list ends with a null pointer.
const char* const* FindInitialList(int templateId, int controlId);

}  // namespace fw
