// The relief engine's four entry points. Pictures are 24-bit rows (blue,
// green, red), bottom row first, at the stride given in bytes.
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
}
