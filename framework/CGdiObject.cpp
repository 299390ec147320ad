#include "CGdiObject.h"

bool CGdiObject::Attach(HGDIOBJ handle) {
  if (!handle || object_) return false;
  object_ = std::move(handle);
  return true;
}

bool CGdiObject::DeleteObject() {
  if (!object_) return false;
  object_.reset();
  return true;
}
