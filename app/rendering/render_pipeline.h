// The render pipeline: the canvas captured as the background of every later
// render, the texture tile, and the render that hands the mask of the
// current source with every setting to the relief engine and gives back the
// canvas with the design on it. Pixels travel between pictures and buffers
// directly, in the BMP row layout the engine expects; the canvas file stays a
// BMP because the undo store copies it.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "action_arguments.h"
#include "files/bmp_file.h"

struct DesignState;
class EngineEntryPoints;
class BusyIndicator;
class Platform;

// What a render takes beside the design's model: the measures of the mask
// it is handed.
struct RenderMeasures {
  int32_t smoothingSize = 75;  // the text font size, rounded, for every kind
  // Pixels per design pixel of the mask and canvas: a denser copy of the
  // design (the web's 2x and 3x pictures) is drawn with its measures
  // (font size, positions) those of density 1.
  int32_t density = 1;
};

// A mask, or any picture, in buffer layout.
struct MaskGeometry {
  int32_t stride = 0;
  int32_t rows = 0;
};

// Every ACTION argument but the three picture pointers, which the render
// fills in once the buffers are at hand.
velloro::ActionArguments engineArguments(const DesignState& state, RenderMeasures measures,
                                         MaskGeometry mask);

// The text source of a render as printed: the picture, the engine's mask,
// and its colour glyphs in their own colours, null when it holds none. The
// other source kinds read their masks from the working files.
struct PrintedText {
  QImage picture;
  QImage colourGlyphs;
};

// Where the texture tile of a render comes from.
enum class TileSource { None, TextureBuffer, PictureFile };

struct TextureTile {
  TileSource source = TileSource::None;
  int32_t offset = 0;  // both placement offsets
};

TextureTile textureTileFor(const DesignState& state);

// Keeps the design frame on `canvas` and fills the background and output
// buffers from it, in memory only.
void captureCanvasBuffers(DesignState& state, const QImage& canvas);
// The same for a canvas already in the buffer layout.
void captureCanvasBuffers(DesignState& state, PictureBuffer pixels);

// The window's capture: saves `canvas` as the canvas file, which the undo
// store copies, then captures its buffers. Throws a Failure when the canvas
// file cannot be written; the buffers stay as they were then.
void captureCanvas(DesignState& state, const QImage& canvas);

// Makes the texture buffer from the hidden texture window's picture.
void loadTexture(DesignState& state, const QImage& texture);

// Shows "No shape drawn !" or "No picture loaded !" when the current source
// kind has no result yet, and returns whether it has one.
bool sourceReady(const DesignState& state, Platform& platform);

// Renders the current source kind's mask (the printed text for text, the
// shape or mask file otherwise) and returns the canvas with the design; a
// gradient fill is handed to the engine as a texture the mask's size, and so
// is the fill of a text with colour glyphs, the glyphs painted over it. The
// engine works in the layer space of the state's layer origin.
// Shows `busy` while the engine runs. Throws a Failure; the captured canvas
// and the buffers of the state stay usable then.
QImage renderDesign(DesignState& state, const PrintedText& text, RenderMeasures measures,
                    const EngineEntryPoints& engine, BusyIndicator& busy);

// renderDesign without the picture: the canvas with the design is left in
// the state's output buffer only, as a picture of the layer space in the
// buffer layout.
void renderIntoBuffers(DesignState& state, const PrintedText& text, RenderMeasures measures,
                       const EngineEntryPoints& engine, BusyIndicator& busy);

// The canvas with the design of the last render, from the output buffer.
QImage renderedCanvas(const DesignState& state);
