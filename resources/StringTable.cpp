#include "StringTable.h"

#include "ResourceIds.h"

#include <algorithm>
#include <iterator>

namespace {

struct StringRow {
  unsigned id;
  std::string_view text;
};

// One row a string, in increasing order of id. Trailing spaces are part of a
// text. A command's string is its prompt, a line feed, then its tooltip.
constexpr StringRow kStrings[] = {
    {IDR_MAINFRAME, "Tarvonel6\n\nTarvon\n\n\nTarvonel6.Document\nTarvon Document"},
    {AFX_IDS_APP_TITLE, "Tarvonel6"},
    {AFX_IDS_IDLEMESSAGE, "Prêt"},
    {ID_FILE_OPEN, "Ouvre un document existant\nOuvrir"},
    {ID_APP_ABOUT,
     "Affiche des informations sur le programme, le numéro de version et le copyright\nA propos de"},
    {ID_APP_EXIT, "Ferme l'application ; propose d'enregistrer les documents\nQuitter"},
    {ID_INDICATOR_CAPS, "MAJ"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "DEF"},
    {ID_VIEW_TOOLBAR, "Affiche ou masque la barre d'outils\nBarre d'outils"},
    {ID_VIEW_STATUS_BAR, "Affiche ou masque la barre d'état\nBarre d'état"},
    {AFX_IDS_SCSIZE, "Change la taille de la fenêtre"},
    {AFX_IDS_SCMOVE, "Change la position de la fenêtre"},
    {AFX_IDS_SCMINIMIZE, "Réduit la fenêtre en icône"},
    {AFX_IDS_SCMAXIMIZE, "Agrandit la fenêtre au format de l'écran"},
    {AFX_IDS_SCCLOSE, "Ferme la fenêtre active et propose l'enregistrement des documents"},
    {AFX_IDS_SCRESTORE, "Restaure la fenêtre à sa taille d'origine"},
    {AFX_IDS_SCTASKLIST, "Active la liste des tâches"},
    {AFX_IDS_OPENFILE, "Ouvrir"},
    {AFX_IDS_ALLFILTER, "Tous les fichiers (*.*)"},
    {AFX_IDS_UNTITLED, "sans nom"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "La création d'un document vide a échoué."},
    {AFX_IDP_UNREG_DONE,
     "Les entrées du registre Système ont été supprimées et le fichier INI (si besoin est) a été "
     "effacé."},
};

static_assert(std::is_sorted(std::begin(kStrings), std::end(kStrings),
                             [](const StringRow& a, const StringRow& b) { return a.id < b.id; }),
              "keep the string table in increasing order of id");

}  // namespace

// A binary search over the sorted table.
std::string_view LoadResourceString(unsigned id) {
  const auto row = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                    [](const StringRow& r, unsigned wanted) { return r.id < wanted; });
  return row != std::end(kStrings) && row->id == id ? row->text : std::string_view{};
}

// Skips index line feeds, then takes the text up to the next one.
std::string_view StringPart(std::string_view text, std::size_t index) {
  for (; index > 0; --index) {
    const std::size_t feed = text.find('\n');
    if (feed == std::string_view::npos) return {};
    text.remove_prefix(feed + 1);
  }
  return text.substr(0, text.find('\n'));
}
