#include "ToolbarResource.h"

#include "FindById.h"
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

const ToolbarResource* FindToolbarResource(unsigned id) { return FindById(kToolbars, id); }

std::string_view FindIconResource(unsigned id) {
  const IconRow* icon = FindById(kIcons, id);
  return icon != nullptr ? icon->path : std::string_view{};
}
