#pragma once
// The document string of a document template: seven fields separated by line
// feeds, e.g. "Tarvonel6\n\nTarvon\n\n\nTarvonel6.Document\nTarvon Document".

#include <string_view>

struct DocumentString {
  std::string_view windowTitle;      // the application part of the window title
  std::string_view docName;          // base of new documents' titles; empty: "sans nom"
  std::string_view fileNewName;      // the type's name in a choice of new documents
  std::string_view filterName;       // the Open dialog's filter for the type; empty: none
  std::string_view filterExt;        // the type's file extension; empty: none
  std::string_view regFileTypeId;    // the type's name for file associations
  std::string_view regFileTypeName;  // the type's readable name for file associations
};

// Splits text into its seven fields; missing fields are empty, extra ones
// ignored. The fields point into text.
DocumentString ParseDocumentString(std::string_view text);
