#include "PhotoReport.h"

// The enumerator's own name.
const char* ToString(SerialState state) {
  switch (state) {
    case SerialState::FromNoTag:
      return "FromNoTag";
    case SerialState::NotGiven:
      return "NotGiven";
    case SerialState::D1SeriesStop:
      return "D1SeriesStop";
    case SerialState::FromPkgTag:
      return "FromPkgTag";
    case SerialState::EditedPhotoStop:
      return "EditedPhotoStop";
  }
  return "?";
}

// The enumerator's own name.
const char* ToString(ShutterState state) {
  switch (state) {
    case ShutterState::NotSearched:
      return "NotSearched";
    case ShutterState::Found:
      return "Found";
    case ShutterState::Absent:
      return "Absent";
  }
  return "?";
}
