#pragma once
// The --json form of one file's outcome: one JSON object on one line.

#include "FileOutcome.h"

#include <string>
#include <string_view>

// The object for the file at pathAsGiven, keys always in the same order:
//   path, loaded, modelFound, modelPosition, modelText, firmwareFound,
//   firmwareText, serialState, serialText, shutterState, shutterCountHex,
//   shutterCount, shutterCountDecimal[, error]
// Keys that the outcome leaves without meaning are null; "error" is present
// only for a file that could not be read. Ends with a line feed.
std::string JsonReportLine(std::string_view pathAsGiven, const FileOutcome& outcome);
