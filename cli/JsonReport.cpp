#include "JsonReport.h"

#include "JsonText.h"
#include "framework/Cp1252.h"

#include <utility>

namespace {

// Builds one object key by key; the first key opens it. Keys are this file's
// own ASCII names and need no escaping.
class JsonObject {
 public:
  JsonObject() { out_.reserve(512); }
  void Key(std::string_view name) {
    out_ += out_.empty() ? "{\"" : ",\"";
    out_ += name;
    out_ += "\":";
  }
  void Null(std::string_view name) {
    Key(name);
    out_ += "null";
  }
  void Bool(std::string_view name, bool value) {
    Key(name);
    out_ += value ? "true" : "false";
  }
  void Number(std::string_view name, long long value) {
    Key(name);
    out_ += std::to_string(value);
  }
  void Utf8(std::string_view name, std::string_view text) {
    Key(name);
    AppendJsonString(out_, text);
  }
  // A text from the photo: Windows-1252 bytes shown as their characters.
  void Photo(std::string_view name, std::string_view cp1252) { Utf8(name, Cp1252ToUtf8(cp1252)); }
  std::string Close() {
    out_ += "}\n";
    return std::move(out_);
  }

 private:
  std::string out_;
};

constexpr std::string_view kReportKeys[] = {
    "modelFound", "modelPosition", "modelText", "firmwareFound", "firmwareText",
    "serialState", "serialText", "shutterState", "shutterCountHex", "shutterCount",
    "shutterCountDecimal"};

// Nulls for every report key after `last` (all of them when last is empty).
void NullsAfter(JsonObject& json, std::string_view last) {
  bool after = last.empty();
  for (std::string_view key : kReportKeys) {
    if (after) json.Null(key);
    after = after || key == last;
  }
}

void AppendReport(JsonObject& json, const PhotoReport& r) {
  json.Bool("modelFound", r.modelFound);
  if (!r.modelFound) return NullsAfter(json, "modelFound");
  json.Number("modelPosition", r.modelPosition);
  json.Photo("modelText", r.modelText);
  json.Bool("firmwareFound", r.firmwareFound);
  json.Photo("firmwareText", r.firmwareText);
  json.Utf8("serialState", ToString(r.serialState));
  const bool hasSerial =
      r.serialState == SerialState::FromNoTag || r.serialState == SerialState::FromPkgTag;
  json.Photo("serialText", hasSerial ? std::string_view(r.serialText) : std::string_view());
  json.Utf8("shutterState", ToString(r.shutterState));
  if (r.shutterState != ShutterState::Found) return NullsAfter(json, "shutterState");
  json.Utf8("shutterCountHex", r.shutterCountHex);
  json.Number("shutterCount", r.shutterCount);
  json.Utf8("shutterCountDecimal", r.shutterCountDecimal);
}

}  // namespace

std::string JsonReportLine(std::string_view pathAsGiven, const FileOutcome& outcome) {
  JsonObject json;
  json.Utf8("path", pathAsGiven);
  const bool loaded = outcome.status == LoadStatus::Loaded;
  json.Bool("loaded", loaded);
  if (loaded) AppendReport(json, outcome.report);
  else NullsAfter(json, {});
  if (outcome.status == LoadStatus::Failed) json.Utf8("error", outcome.error);
  return json.Close();
}
