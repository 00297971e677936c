// The one mapping between the design (DesignState and what the window keeps
// beside it) and a Velloro document: which setting goes under which key of
// the design object, and which picture under which name. The current
// settings travel as a style (design/style_json.*), so every declared
// setting comes along; the rest of the design is written here by name.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <array>
#include <optional>

#include "design/curve_points.h"
#include "design/kind_settings.h"
#include "design/material_table.h"
#include "design/style.h"
#include "document/velloro_document.h"

struct DesignState;

// The curve each material group of a kind keeps while another group or
// kind is worked on; none where the kind never left that group.
using StoredCurves = std::array<std::optional<CurvePoints>, materialGroupCount>;

// What the window keeps of a design beside DesignState.
struct DesignBeside {
  QString text;           // the title as typed, with its line breaks
  QImage canvas;          // the background, without the design
  QImage shape;           // the drawn shape; null when none was drawn
  QImage picture;         // the keyed photo as framed; null when none was keyed
  QImage mask;            // the mask cut from it; null when none
  QImage preview;         // the canvas as shown, the design drawn on it
  DocumentFontFile font;  // the file of the title's family; empty when installed
  BySourceKind<StoredCurves> storedCurves;
};

VelloroDocument documentOf(const DesignState& state, const DesignBeside& beside);

// Puts the document's design into `state` and `beside`; throws a
// DocumentRefusal naming the key of a missing or out-of-range value, and
// then leaves both as they were.
void putDocument(const VelloroDocument& document, DesignState& state, DesignBeside& beside);

// What a command-line render takes from a document: the title, its style
// (texture named as saved), the canvas and where the design stands on it.
struct DocumentTitle {
  QString text;
  Style style;
  QImage canvas;
  QPoint place;
};
DocumentTitle documentTitle(const VelloroDocument& document);
