#include "pages/field_checks.h"

#include "instrument/catalogue.h"

const inst::NumberRule* FindFieldCheck(int templateId, int id) {
  const inst::Setting* setting = inst::FindSettingByControl(templateId, id);
  return setting && setting->kind == inst::Kind::Number ? &setting->rule : nullptr;
}
