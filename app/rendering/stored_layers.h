// The design as the engine keeps it: the layers of every source drawn so far,
// painted again over any background without rendering anything anew. This is
// how the design is seen apart from the canvas it was drawn on.
#pragma once

#include <QImage>
#include <QPoint>

class EngineEntryPoints;

// The engine's stored layers painted over `background`, as the canvas would
// show them had it been that picture, lying at `layerOrigin` among the
// layers. Shows the hourglass nowhere and leaves the stored layers as they are.
QImage storedLayersOver(const QImage& background, const EngineEntryPoints& engine,
                        QPoint layerOrigin = {});

// The design alone on a transparent picture of `canvasSize`: the stored
// layers solved for colour and alpha from their paintings over black and
// over white. Nothing is visible when nothing was drawn.
QImage designAlone(QSize canvasSize, const EngineEntryPoints& engine, QPoint layerOrigin = {});

// The box of the canvas pixels the design shows on: the visible extent of
// designAlone(canvasSize, engine, layerOrigin), null when nothing shows.
QRect storedLayersExtent(QSize canvasSize, const EngineEntryPoints& engine,
                         QPoint layerOrigin = {});

// storedLayersExtent(size, engine) for layers just painted over a plain white
// picture of `size`, which gave `overWhite` in the buffer layout: only the
// painting over black is made.
QRect storedLayersExtentOverWhite(const QByteArray& overWhite, QSize size,
                                  const EngineEntryPoints& engine);
