#include "MenuResource.h"

#include "FindById.h"
#include "ResourceIds.h"

namespace {

constexpr MenuItem kFileItems[] = {
    {"&Ouvrir...\tCtrl+O", ID_FILE_OPEN},
    kMenuSeparator,
    {"&Quitter", ID_APP_EXIT},
};

constexpr MenuItem kViewItems[] = {
    {"&Barre d'outils", ID_VIEW_TOOLBAR},
    {"Barre d'é&tat", ID_VIEW_STATUS_BAR},
};

constexpr MenuItem kHelpItems[] = {
    {"Mode d'emploi", ID_USAGE},
    kMenuSeparator,
    {"&A propos de Tarvonel6 ...", ID_APP_ABOUT},
};

constexpr MenuPopup kMainMenu[] = {
    {"&Fichier", kFileItems},
    {"&Affichage", kViewItems},
    {"&?", kHelpItems},
};

constexpr MenuResource kMenus[] = {
    {IDR_MAINFRAME, kMainMenu},
};

}  // namespace

const MenuResource* FindMenuResource(unsigned id) { return FindById(kMenus, id); }
