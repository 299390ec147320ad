#pragma once
// UTF-8 text, as the framework keeps it, to Qt's strings.

#include <QString>

#include <string_view>

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
