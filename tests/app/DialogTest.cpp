// The two dialogs: every control of the About and usage templates (kind,
// text, rectangle in pixels, order), the dialog's size, font and place over
// the main window, how each closes and what DoModal returns; and the
// arithmetic that turns dialog units into pixels.

#include "WindowFixture.h"

#include "app/CAboutDlg.h"
#include "app/CUsageDlg.h"
#include "framework/CFrameWnd.h"
#include "framework/DialogControls.h"
#include "framework/DialogUnits.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <functional>

namespace apptests {
namespace {

enum class Kind { Text, Button, Group, Icon };

struct ControlRow {
  Kind kind;
  const char* text;  // the author's texts: null, checked apart
  int x, y, cx, cy;
};

const ControlRow kAboutControls[] = {
    {Kind::Text, "Tarvonel version 6.02", 61, 15, 87, 8},
    {Kind::Button, "OK", 167, 16, 50, 14},
    {Kind::Icon, "", 21, 19, 21, 20},
    {Kind::Text, nullptr, 61, 29, 95, 18},
    {Kind::Text,
     "Ce programme permet de connaître le nombre de délcenchements réalisés par un boîtier reflex "
     "Nikon, à partir d'une photo prise par l'appareil au format jpeg ou NEF.",
     38, 57, 168, 35},
    {Kind::Text,
     "L'utilisation es simple : il suffit d'ouvrir une photo au format jpeg ou Nef prise par "
     "l'appareil pour que le nombre de déclenchements et le N° de série interne s'inscrivent "
     "automatiquement en hexa et en décimal.",
     38, 94, 173, 35},
    {Kind::Group, "", 38, 134, 159, 51},
    {Kind::Text, nullptr, 131, 198, 72, 10},
    {Kind::Text,
     "N'utiliser que des photos au format JPEG ou NEF non retouchées, certains logiciels de post "
     "traitement altérant les métadonnées  les rendant inexploitables par le programme.",
     48, 146, 141, 37},
};

const ControlRow kUsageControls[] = {
    {Kind::Button, "OK", 197, 210, 50, 14},
    {Kind::Text, "Comment utiliser Tarvonel ?", 25, 18, 215, 12},
    {Kind::Group, "", 27, 31, 220, 172},
    {Kind::Text, nullptr, 36, 42, 205, 35},
    {Kind::Text,
     "- Sélectionner la photo qui se chargera en mémoire.\n \n - L'analyse de la photo se fait "
     "instantanément, les renseignements demandés sont affichés si disponibles (selon le type "
     "d'appareil).",
     36, 83, 201, 44},
    {Kind::Text,
     "Les boîtiers de la série D1 ne produisent des métadonnées ne contenant que des informations "
     "sur le type de l'appareil et le n° de version du firmware. Aucun nombre de déclenchement "
     "n'est codé dans les métadonnées issues de ces appareils.",
     35, 159, 204, 36},
    {Kind::Text,
     "Le numéro de série interne n'est disponible que pour les D70 et boitiers de la série D2 "
     "(H et X) ",
     36, 134, 203, 18},
};

struct DialogRow {
  const char* caption;
  unsigned command;  // the command that shows it
  std::function<int()> run;
  int cx, cy;
  std::span<const ControlRow> controls;
};

// The kind, text and place of widget, as a row.
Kind KindOf(QWidget* widget) {
  if (qobject_cast<QPushButton*>(widget)) return Kind::Button;
  if (qobject_cast<QGroupBox*>(widget)) return Kind::Group;
  const auto* label = qobject_cast<QLabel*>(widget);
  return label != nullptr && !label->pixmap().isNull() ? Kind::Icon : Kind::Text;
}

std::string TextOf(QWidget* widget) {
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text().toStdString();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title().toStdString();
  return qobject_cast<QLabel*>(widget)->text().toStdString();
}

// Base units measured here from the dialog's own font, apart from the code
// under test: the rounded average width of the 52 letters, the line height.
QRect Pixels(const QFont& font, int x, int y, int cx, int cy) {
  const QFontMetrics metrics(font);
  const double width = std::round(
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0);
  const double height = metrics.height();
  const auto across = [&](int units) { return static_cast<int>(std::lround(units * width / 4)); };
  const auto down = [&](int units) { return static_cast<int>(std::lround(units * height / 8)); };
  return QRect(across(x), down(y), across(cx), down(cy));
}

class DialogTest : public WindowTest {
 protected:
  std::vector<DialogRow> Dialogs() const {
    return {
        {"A propos de Tarvonel", ID_APP_ABOUT, [] { return CAboutDlg().DoModal(); }, 235, 226,
         kAboutControls},
        {"Mode d'emploi", ID_USAGE, [] { return CUsageDlg().DoModal(); }, 271, 247, kUsageControls},
    };
  }
};

TEST_F(DialogTest, EachCommandShowsItsDialogCentredOnTheWindowWithTheTemplatesControls) {
  StartApp();
  for (const DialogRow& row : Dialogs()) {
    SCOPED_TRACE(row.caption);
    NextModal check([&](QWidget* dialog) {
      EXPECT_EQ(dialog->windowTitle().toStdString(), row.caption);
      EXPECT_EQ(dialog->parentWidget(), Frame());
      EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
      EXPECT_EQ(dialog->font().family().toStdString(), "MS Sans Serif");
      EXPECT_EQ(dialog->size(), Pixels(dialog->font(), 0, 0, row.cx, row.cy).size());
      EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
      const QPoint offCentre =
          dialog->frameGeometry().center() - Frame()->geometry().center();
      EXPECT_LE(offCentre.manhattanLength(), 2);

      const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      ASSERT_EQ(controls.size(), static_cast<qsizetype>(row.controls.size()));
      for (std::size_t i = 0; i < row.controls.size(); ++i) {
        SCOPED_TRACE(i);
        const ControlRow& expected = row.controls[i];
        EXPECT_EQ(KindOf(controls[i]), expected.kind);
        if (expected.text != nullptr && expected.kind != Kind::Icon) {
          EXPECT_EQ(TextOf(controls[i]), expected.text);
        }
        const QRect placed =
            Pixels(dialog->font(), expected.x, expected.y, expected.cx, expected.cy);
        const QRect actual = controls[i]->geometry();
        if (auto* label = qobject_cast<QLabel*>(controls[i]); label && expected.kind != Kind::Icon) {
          // A static text keeps its place and width; it grows downwards only
          // as far as its words need, less than one line more.
          EXPECT_EQ(actual.topLeft(), placed.topLeft());
          EXPECT_EQ(actual.width(), placed.width());
          EXPECT_GE(actual.height(), placed.height());
          EXPECT_LT(actual.height(), placed.height() + label->fontMetrics().lineSpacing());
          const QRect words = label->fontMetrics().boundingRect(
              QRect(0, 0, actual.width(), 10000), Qt::TextWordWrap, label->text());
          EXPECT_LE(words.height() - label->fontMetrics().lineSpacing() + 1, actual.height());
        } else {
          EXPECT_EQ(actual, placed);
        }
      }
      qobject_cast<QDialog*>(dialog)->reject();
    });
    Frame()->GetCommandAction(row.command)->trigger();
    EXPECT_TRUE(check.Seen());
  }
}

TEST_F(DialogTest, TheAuthorsTextsAreShortFrenchLinesThatFitTheirPlaces) {
  StartApp();
  NextModal check([](QWidget* dialog) {
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    // Labels: the version, the icon, the copyright, two texts, the address, the warning.
    ASSERT_EQ(labels.size(), 7);
    const QString copyright = labels[2]->text();
    EXPECT_EQ(copyright.count('\n'), 1);
    EXPECT_TRUE(copyright.contains(QString::fromUtf8("©")));
    const QLabel* address = labels[5];
    EXPECT_FALSE(address->text().contains(' '));
    EXPECT_LE(address->fontMetrics().horizontalAdvance(address->text()), address->width());
    dialog->close();
  });
  Frame()->GetCommandAction(ID_APP_ABOUT)->trigger();
  EXPECT_TRUE(check.Seen());

  NextModal usage([](QWidget* dialog) {
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(labels[1]->text().startsWith(QString::fromUtf8(
        "L'utilisation de ce programme est très simple\n\n- Cliquer sur l'icone de gauche")));
    dialog->close();
  });
  Frame()->GetCommandAction(ID_USAGE)->trigger();
  EXPECT_TRUE(usage.Seen());
}

TEST_F(DialogTest, OkAndEnterCloseWithOkEscapeAndTheCloseBoxWithCancel) {
  struct Way {
    const char* name;
    std::function<void(QDialog*)> close;
    int result;
  };
  const Way ways[] = {
      {"the OK button", [](QDialog* d) { d->findChild<QPushButton*>()->click(); }, IDOK},
      {"Enter", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }, IDOK},
      {"Escape", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, IDCANCEL},
      {"the caption's close box", [](QDialog* d) { d->close(); }, IDCANCEL},
  };
  StartApp();
  for (const DialogRow& dialog : Dialogs()) {
    for (const Way& way : ways) {
      SCOPED_TRACE(std::string(dialog.caption) + ", " + way.name);
      NextModal close([&](QWidget* shown) { way.close(qobject_cast<QDialog*>(shown)); });
      EXPECT_EQ(dialog.run(), way.result);
      EXPECT_TRUE(close.Seen());
      EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
  }
}

TEST_F(DialogTest, ADialogWithoutTemplateDoesNotShow) {
  ShowWatcher watcher;
  EXPECT_EQ(CDialog(12345).DoModal(), -1);
  EXPECT_FALSE(watcher.windowShown);
}

TEST_F(DialogTest, DialogUnitsBecomePixelsFromTheBaseUnitsRoundedToTheNearest) {
  struct Row {
    const char* name;
    DialogRect units;
    DialogBaseUnits base;
    QRect pixels;
  };
  const Row rows[] = {
      {"a classic 6 by 13 font", {61, 15, 87, 8}, {6, 13}, QRect(92, 24, 131, 13)},
      {"halves round up", {1, 4, 3, 12}, {6, 13}, QRect(2, 7, 5, 20)},
      {"a wider font", {235, 226, 0, 0}, {7, 13}, QRect(411, 367, 0, 0)},
      {"zero", {0, 0, 0, 0}, {7, 16}, QRect(0, 0, 0, 0)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DialogRectToPixels(row.units, row.base), row.pixels);
  }
  EXPECT_EQ(MulDiv(-3, 6, 4), -5);  // -4.5 rounds away from zero
  EXPECT_EQ(MulDiv(1 << 30, 8, 16), 1 << 29);  // the product does not overflow
}

TEST_F(DialogTest, TheDialogFontHasWholePixelsAndItsBaseUnitsComeFromTheLetters) {
  const QFont font = DialogFont("MS Sans Serif", 8, 96);
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_EQ(DialogFont("MS Sans Serif", 8, 120).pixelSize(), 13);
  const DialogBaseUnits units = BaseUnitsOf(font);
  const QRect oneUnit = Pixels(font, 4, 8, 0, 0);
  EXPECT_EQ(units.cx, oneUnit.x());
  EXPECT_EQ(units.cy, oneUnit.y());
  EXPECT_GT(units.cx, 3);
}

TEST_F(DialogTest, AStaticTextDropsMnemonicMarksUnlessToldNotTo) {
  struct Row {
    const char* text;
    bool noPrefix;
    const char* shown;
  };
  const Row rows[] = {
      {"&Ouvrir", false, "Ouvrir"},  {"A && B", false, "A & B"},  {"fin &", false, "fin "},
      {"&Ouvrir", true, "&Ouvrir"},  {"A && B", true, "A && B"},  {"", false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(StaticTextShown(row.text, row.noPrefix), row.shown);
  }
}

}  // namespace
}  // namespace apptests
