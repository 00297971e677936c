// Feeds arbitrary bytes to the document reader: it must give a document
// that the design takes or refuses by a key, and whose own bytes read back
// as the same document; or refuse the file with failure 50004 or the file's
// own failure. Anything else, a crash or an allocation beyond the canvas
// limits, is a fault.
#include <cstdlib>

#include "design/design_state.h"
#include "document/document_container.h"
#include "document/document_design.h"
#include "document/document_file.h"
#include "document/document_reading.h"
#include "files/failure.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  VelloroDocument document;
  try {
    document = readDocumentFile(fuzzFileOf(data, size));
  } catch (const Failure& failure) {
    if (failure.number() != errorNumber::UnreadableDocument) std::abort();
    return 0;
  }
  const VelloroDocument again = readDocument(documentBytes(document));
  if (again.design != document.design || again.pictures != document.pictures ||
      again.font.bytes != document.font.bytes)
    std::abort();
  DesignState state;
  DesignBeside beside;
  try {
    putDocument(document, state, beside);
  } catch (const DocumentRefusal&) {
  }
  return 0;
}
