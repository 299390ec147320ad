#include "DocumentString.h"

#include "StringTable.h"

// Field i is the i-th line of text.
DocumentString ParseDocumentString(std::string_view text) {
  return DocumentString{
      StringPart(text, 0), StringPart(text, 1), StringPart(text, 2), StringPart(text, 3),
      StringPart(text, 4), StringPart(text, 5), StringPart(text, 6),
  };
}
