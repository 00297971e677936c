// A drawn shape drawn anew for screens of high density: its figures drawn
// N times as large make the mask, and the engine renders it at density N
// with the shape's settings at the shape's place, so the picture is the
// shape of density 1 at N times the pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

struct DesignState;
struct WholeDesign;
class EngineEntryPoints;
class BusyIndicator;

// The shape of `design` (its source a shape drawn from figures) alone on a
// transparent picture of `area`, in canvas pixels, `density` times as large
// each way. `engine` must hold no layer of its own: whatever it holds is
// painted with the shape. Throws a Failure when the render fails.
QImage shapeAlone(const DesignState& design, QRect area, int density,
                  const EngineEntryPoints& engine, BusyIndicator& busy);

// Whether two pictures of the design alone show the same: equal sizes and
// no colour or opacity further apart than rounding leaves.
bool showsTheSame(const QImage& one, const QImage& other);

// Why Export for the web cannot draw `design` anew at 2x and 3x, shown in
// its dialog; empty when it can: a title alone, or a shape alone drawn
// from its figures. `whole` is the design the canvas shows; `shapeEngine`
// gives an engine for shapeAlone, asked for only when the source is a shape.
QString denserRefusal(const DesignState& design, const WholeDesign& whole,
                      const std::function<const EngineEntryPoints&()>& shapeEngine,
                      BusyIndicator& busy);
