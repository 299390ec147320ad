#include "DialogResource.h"

#include "FindById.h"
#include "ResourceIds.h"

namespace {

using enum ControlKind;

constexpr unsigned kDialogStyle = kModalFrame | kCaption | kSystemMenu;
constexpr std::string_view kDialogFont = "MS Sans Serif";

// The About dialog. The texts are the program's own, spelling included.
constexpr DialogControl kAboutControls[] = {
    {StaticText, IDC_STATIC, "Tarvonel version 6.02", 0, {61, 15, 87, 8}, kStartsGroup | kNoPrefix},
    {PushButton, IDOK, "OK", 0, {167, 16, 50, 14}, kDefaultButton | kStartsGroup | kTabStop},
    {Icon, IDC_STATIC, "", IDR_MAINFRAME, {21, 19, 21, 20}, 0},
    {StaticText, IDC_STATIC, "© 2026 Les auteurs\nDécembre 2026", 0, {61, 29, 95, 18},
     kStartsGroup},
    {StaticText, IDC_STATIC,
     "Ce programme permet de connaître le nombre de délcenchements réalisés par un boîtier reflex "
     "Nikon, à partir d'une photo prise par l'appareil au format jpeg ou NEF.",
     0, {38, 57, 168, 35}, kStartsGroup},
    {StaticText, IDC_STATIC,
     "L'utilisation es simple : il suffit d'ouvrir une photo au format jpeg ou Nef prise par "
     "l'appareil pour que le nombre de déclenchements et le N° de série interne s'inscrivent "
     "automatiquement en hexa et en décimal.",
     0, {38, 94, 173, 35}, kStartsGroup},
    {GroupBox, IDC_STATIC, "", 0, {38, 134, 159, 51}, 0},
    {StaticText, IDC_STATIC, "tarvonel.example.org", 0, {131, 198, 72, 10}, kStartsGroup},
    // Two spaces after "métadonnées".
    {StaticText, IDC_STATIC,
     "N'utiliser que des photos au format JPEG ou NEF non retouchées, certains logiciels de post "
     "traitement altérant les métadonnées  les rendant inexploitables par le programme.",
     0, {48, 146, 141, 37}, kStartsGroup},
};

// The usage dialog.
constexpr DialogControl kUsageControls[] = {
    {PushButton, IDOK, "OK", 0, {197, 210, 50, 14}, kDefaultButton | kTabStop},
    {StaticText, IDC_STATIC, "Comment utiliser Tarvonel ?", 0, {25, 18, 215, 12}, kStartsGroup},
    {GroupBox, IDC_STATIC, "", 0, {27, 31, 220, 172}, 0},
    {StaticText, IDC_STATIC,
     "L'utilisation de ce programme est très simple\n\n- Cliquer sur l'icone de gauche de la "
     "barre d'outils pour choisir la photo à charger.",
     0, {36, 42, 205, 35}, kStartsGroup},
    {StaticText, IDC_STATIC,
     "- Sélectionner la photo qui se chargera en mémoire.\n \n - L'analyse de la photo se fait "
     "instantanément, les renseignements demandés sont affichés si disponibles (selon le type "
     "d'appareil).",
     0, {36, 83, 201, 44}, kStartsGroup},
    {StaticText, IDC_STATIC,
     "Les boîtiers de la série D1 ne produisent des métadonnées ne contenant que des informations "
     "sur le type de l'appareil et le n° de version du firmware. Aucun nombre de déclenchement "
     "n'est codé dans les métadonnées issues de ces appareils.",
     0, {35, 159, 204, 36}, kStartsGroup},
    // A space at the end.
    {StaticText, IDC_STATIC,
     "Le numéro de série interne n'est disponible que pour les D70 et boitiers de la série D2 "
     "(H et X) ",
     0, {36, 134, 203, 18}, kStartsGroup},
};

constexpr DialogTemplate kDialogs[] = {
    {IDD_ABOUTBOX, "A propos de Tarvonel", kDialogFont, 8, {0, 0, 235, 226}, kDialogStyle,
     kAboutControls},
    {IDD_USAGE, "Mode d'emploi", kDialogFont, 8, {0, 0, 271, 247}, kDialogStyle, kUsageControls},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(unsigned id) { return FindById(kDialogs, id); }
