#include "CFileDialog.h"

#include "framework/QtText.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own words in the dialog (the folder list's headings, its buttons) in
// French, when the system has Qt's French translations; in English otherwise.
// Loaded once, on the first dialog.
void LoadFrenchQtTexts() {
  static bool tried = false;
  if (tried || qApp == nullptr) return;
  tried = true;
  auto* translator = new QTranslator(qApp);
  if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

QString QtNameFilter(const FileFilter& filter) {
  return ToQString(filter.name) + QStringLiteral(" (") + ToQString(filter.pattern) + QStringLiteral(")");
}

CFileDialog::CFileDialog(std::string title, std::vector<FileFilter> filters, QWidget* parent)
    : title_(std::move(title)), filters_(std::move(filters)), parent_(parent) {}

int CFileDialog::DoModal() {
  LoadFrenchQtTexts();
  QFileDialog dialog(parent_, ToQString(title_));
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ReadOnly |
                    QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  QStringList nameFilters;
  for (const FileFilter& filter : filters_) nameFilters.append(QtNameFilter(filter));
  dialog.setNameFilters(nameFilters);

  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return IDCANCEL;
  pathName_ = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
  return IDOK;
}
