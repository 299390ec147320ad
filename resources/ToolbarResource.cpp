#include "ToolbarResource.h"

#include "ResourceIds.h"

namespace {

// The main toolbar: Open, a separator, About.
constexpr unsigned kMainToolbarCommands[] = {ID_FILE_OPEN, ID_SEPARATOR, ID_APP_ABOUT};

constexpr ToolbarResource kToolbars[] = {
    {IDR_MAINFRAME, 32, 32, ":/images/Toolbar.bmp", kMainToolbarCommands},
};

struct IconRow {
  unsigned id;
  std::string_view path;
};

constexpr IconRow kIcons[] = {
    {IDR_MAINFRAME, ":/images/Tarvonel6.ico"},
};

}  // namespace

const ToolbarResource* FindToolbarResource(unsigned id) {
  for (const ToolbarResource& toolbar : kToolbars) {
    if (toolbar.id == id) return &toolbar;
  }
  return nullptr;
}

std::string_view FindIconResource(unsigned id) {
  for (const IconRow& icon : kIcons) {
    if (icon.id == id) return icon.path;
  }
  return {};
}
