// The relief engine's four entry points. Pictures are 24-bit rows (blue,
// green, red), bottom row first, at the stride given in bytes. The engine
// trusts no argument: every buffer access is clamped to the buffer it names.
//
// ACTION's 36 arguments, in order (all 32-bit; design_kinds.h names the
// enumerated ones, action_arguments.h holds them by name):
//   1 mask          the element's mask; byte 0 below 128 is inside (dark).
//                   Single-pixel gaps in its rows are filled in place.
//   2 source        the background picture, read only.
//   3 output        receives the source with every valid layer; same stride
//                   and rows as the source.
//   4 maskStride    bytes per mask row (3 x width, BMP-padded); width is
//                   stride / 3. Below 12 (4 pixels) only the copy is made.
//   5 maskRows      mask rows H, > 0.
//   6 outputStride  bytes per output row, > 0.
//   7 outputRows    output rows, > 0.
//   8 columnOffset  pixels; mask column = output column - offset.
//   9 rowOffset     pixels; mask row = output row + offset + H - output rows.
//                   Shape and picture masks carry a 32-pixel margin, so the
//                   caller passes both offsets already reduced by 32.
//  10 smoothingSize the font size: below 100, 100..199, 200 and above smooth
//                   the outline in 2, 3 or 4 steps.
//  11 surfacePattern SurfacePatternType 0..3; no profile curve outside it.
//  12 curveAxis     CurveAxis 0..2; any other value shades at the constant 0.5.
//  13 material      Material, below materialCount; others shade by depth.
//  14 deformationType DeformationType 0..2.
//  15 effectType    EffectType.
//  16 deformationAmount percent 0..100; 50 leaves "Curve" straight.
//  17 effectAmount  percent 0..100: the effect's width for an outer effect,
//                   the shadow's strength for the two shadows.
//  18 effectValue1  red 0..255 for Outline1, Outline2 and Glow; offset X 0..100
//                   for DropShadow; height 0..100 for CastShadow.
//  19 effectValue2  green 0..255 (outlines, glow); offset Y 0..100 for
//                   DropShadow; orientation 0..100 for CastShadow.
//  20 effectValue3  blue 0..255 (outlines, glow); unused otherwise.
//  21-23 fillRed, fillGreen, fillBlue  0..255; also the base of Raised.
//  24 layerSlot     1, 2 or 3 (the SourceKind number); the slot this render
//                   replaces. Slots 2 and 3 process the element's bounding box
//                   widened by 32 pixels, slot 1 the whole mask.
//  25-30 x1..x6     profile curve knot positions 0..255, increasing.
//  31-36 y1..y6     profile curve knot values 0..255.
// Every render of a layer is TEXTURE, then ACTION, then DESTRUCTION; a
// stack of effects (ENGINE_UNDERLAY) makes an ACTION for each between them.
//
// The four entry points work on one engine object the library keeps for
// them. A caller that renders on several threads, or must leave another
// caller's layers alone, makes engine objects of its own (ENGINE_NEW below):
// each holds its own three layer slots, texture tile and working memory, so
// two objects rendered on two threads at once give exactly the bytes each
// gives alone. Calls on one object from two threads take turns.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define VELLORO_EXPORT __declspec(dllexport)
#else
#define VELLORO_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// Renders the element of `mask` as a relief into layer slot `layerSlot` and
// composites every valid slot over a copy of `source` into `output`.
VELLORO_EXPORT int32_t ACTION(uint8_t* mask, const uint8_t* source, uint8_t* output,
                              int32_t maskStride, int32_t maskRows, int32_t outputStride,
                              int32_t outputRows, int32_t columnOffset, int32_t rowOffset,
                              int32_t smoothingSize, int32_t surfacePattern, int32_t curveAxis,
                              int32_t material, int32_t deformationType, int32_t effectType,
                              int32_t deformationAmount, int32_t effectAmount, int32_t effectValue1,
                              int32_t effectValue2, int32_t effectValue3, int32_t fillRed,
                              int32_t fillGreen, int32_t fillBlue, int32_t layerSlot, int32_t x1,
                              int32_t x2, int32_t x3, int32_t x4, int32_t x5, int32_t x6,
                              int32_t y1, int32_t y2, int32_t y3, int32_t y4, int32_t y5,
                              int32_t y6);

// Ends a render: releases its working arrays and the texture tile; the layer
// slots stay.
VELLORO_EXPORT void DESTRUCTION(void);

// Installs the texture tile for the next render; stride 0 switches it off.
VELLORO_EXPORT int32_t TEXTURE(const uint8_t* tile, int32_t rowOffset, int32_t columnOffset,
                               int32_t stride, int32_t rows);

// Keys `picture` against a colour box: pixels outside it become background in
// `mask` and take the key colour in `picture`.
VELLORO_EXPORT int32_t FRONTIERE(uint8_t* picture, uint8_t* mask, int32_t stride, int32_t rows,
                                 int32_t keyRed, int32_t keyGreen, int32_t keyBlue, int32_t redMin,
                                 int32_t redMax, int32_t greenMin, int32_t greenMax,
                                 int32_t blueMin, int32_t blueMax);

// An engine object, known to the caller only by its handle.
typedef struct VelloroEngine VelloroEngine;

// What the engine object calls return.
enum : int32_t {
  ENGINE_DONE = 0,
  // No such object (null, never made or already freed) or a density outside
  // 1..4: nothing is read or changed. Also memory running out in a render,
  // which leaves the output as far as it got.
  ENGINE_REFUSED = -1,
  // The render ended early at the caller's ENGINE_STOP. The layer slot it
  // was replacing (the slot's own layer, or the underlay chosen by
  // ENGINE_UNDERLAY) is left empty, and the next render into it is made
  // from nothing; every other slot and underlay keeps what it held, and the
  // texture stays installed. The output holds whatever the render had
  // written (the source's copy, some rows composited) and is not a picture
  // to show; the mask may have some of its gaps filled.
  ENGINE_STOPPED = -2,
};

// Makes an engine object whose renders use at most `threads` threads (1:
// the calling thread only; more than the machine has count as what it
// has). Its layer slots are empty and it has no texture. Null when
// `threads` is below 1 or memory runs out.
VELLORO_EXPORT VelloroEngine* ENGINE_NEW(int32_t threads);

// Frees the object and everything it holds; its handle is refused from then on.
VELLORO_EXPORT int32_t ENGINE_FREE(VelloroEngine* engine);

// ACTION on the object's layers, at `density` pixels per pixel of the
// design (1..4): every length the engine fixes in pixels (the outline's
// smoothing, bevel and fade widths, every effect's reach and cap, shadow
// lengths, the 32-pixel margins of slots 2 and 3, the texture's placement)
// is `density` times as long, so a mask and canvas drawn `density` times as
// large give the design of density 1 at that many times the pixels. At
// density 1 the result is ACTION's, byte for byte. The 36 arguments follow
// in ACTION's order.
VELLORO_EXPORT int32_t ENGINE_ACTION(
    VelloroEngine* engine, int32_t density, uint8_t* mask, const uint8_t* source, uint8_t* output,
    int32_t maskStride, int32_t maskRows, int32_t outputStride, int32_t outputRows,
    int32_t columnOffset, int32_t rowOffset, int32_t smoothingSize, int32_t surfacePattern,
    int32_t curveAxis, int32_t material, int32_t deformationType, int32_t effectType,
    int32_t deformationAmount, int32_t effectAmount, int32_t effectValue1, int32_t effectValue2,
    int32_t effectValue3, int32_t fillRed, int32_t fillGreen, int32_t fillBlue, int32_t layerSlot,
    int32_t x1, int32_t x2, int32_t x3, int32_t x4, int32_t x5, int32_t x6, int32_t y1, int32_t y2,
    int32_t y3, int32_t y4, int32_t y5, int32_t y6);

// For the frames of a drag in progress: while `on` is 1 the object's renders
// lay a turned or bent layer through faster approximations of the turn and
// the arc (the turn as one linear map, the arc's angle as a polynomial),
// which differ from the exact frame by far less than one level of 255 on
// average; 0 (as made) makes every render exact again. Other values are
// refused.
VELLORO_EXPORT int32_t ENGINE_PREVIEW(VelloroEngine* engine, int32_t on);

// Stacked outside effects: besides its own layer (the element with its
// outside effect) each layer slot holds up to 7 underlays, each one more
// outside effect lying under the slot's layer: underlay 1 directly under
// it, every higher number under the one before. Compositing lays a slot's
// valid underlays, the highest number first, then the slot's layer, so the
// element is laid once and each effect's edge once.
//
// While `underlay` is 1..7 the object's renders into a slot replace that
// underlay instead of the slot's layer: it holds the render's outside
// effect and the shadow the element casts, never the element itself, and
// is laid with the slot's other layers. Such a render leaves the output
// untouched: the render of the slot's own layer, made last, composites
// every layer. 0 (as made) renders the slot's own layer again, byte for
// byte as before. Other values are refused. Each underlay keeps its own
// last render, so an unchanged one costs nothing more.
VELLORO_EXPORT int32_t ENGINE_UNDERLAY(VelloroEngine* engine, int32_t underlay);

// Keeps underlays 1..`count` (0..7) of slot `layerSlot` (1..3) and drops the
// others, so a stack that became shorter leaves nothing behind. Other
// values are refused.
VELLORO_EXPORT int32_t ENGINE_KEEP_UNDERLAYS(VelloroEngine* engine, int32_t layerSlot,
                                             int32_t count);

// Asks the render running in the object to stop, from any thread, without
// waiting for it: the render looks for the request between the rows (or
// small blocks of rows) of its distance searches, direction fields,
// shading, outer effect and compositing, so it ends after a row's work or
// one of the quick passes between them (the mask's scan, the outline's
// smoothing), on every thread it runs on, and its ENGINE_ACTION returns
// ENGINE_STOPPED. A render that had met its last such point finishes and
// returns ENGINE_DONE. A stop asked while no render of the object runs is
// forgotten: each render clears the request as it begins, so no later
// render is affected. No other object is touched. ENGINE_DONE, or
// ENGINE_REFUSED for no such object.
VELLORO_EXPORT int32_t ENGINE_STOP(VelloroEngine* engine);

// DESTRUCTION of the object's render.
VELLORO_EXPORT int32_t ENGINE_DESTRUCTION(VelloroEngine* engine);

// TEXTURE into the object's tile.
VELLORO_EXPORT int32_t ENGINE_TEXTURE(VelloroEngine* engine, const uint8_t* tile, int32_t rowOffset,
                                      int32_t columnOffset, int32_t stride, int32_t rows);

// FRONTIERE for a caller that holds only an engine object.
VELLORO_EXPORT int32_t ENGINE_FRONTIERE(VelloroEngine* engine, uint8_t* picture, uint8_t* mask,
                                        int32_t stride, int32_t rows, int32_t keyRed,
                                        int32_t keyGreen, int32_t keyBlue, int32_t redMin,
                                        int32_t redMax, int32_t greenMin, int32_t greenMax,
                                        int32_t blueMin, int32_t blueMax);
}
