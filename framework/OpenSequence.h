#pragma once
// Opening a file into the one document, and starting a new one: the steps the
// open command, the command line and the new command all go through.

#include "framework/CDocument.h"

#include <string>
#include <string_view>

// The full path a path as typed or picked stands for: surrounding double quotes
// removed, made absolute, and symbolic links replaced by the file they lead
// to. A path that does not resolve is kept absolute, so that opening it
// reports why.
std::string ResolveOpenPath(std::string_view pathAsGiven);

// Opens the file at pathAsGiven into document. Returns false, after showing
// the French message through ShowMessage, when the file could not be opened
// or read; true when it was loaded, was empty (nothing read), or is the file
// already open (nothing read again). No file stays open on return.
bool OpenDocumentFile(CDocument& document, std::string_view pathAsGiven);

// The new-document step: title "sans nom", path emptied, OnNewDocument.
void NewDocument(CDocument& document);
