// Direction of every pixel from its nearest boundary point, and the 7 x 7
// neighbourhood averages that give the light maps and the smoothed angle.
#include <cmath>
#include <numbers>
#include <vector>

#include "geometry.h"

namespace velloro {

void computeDirectionFields(Geometry& g) {
    const Region& region = g.region;
    const double scale = g.scale;
    for (int32_t r = region.startRow; r < region.endRow; ++r) {
        for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
            const size_t cell = g.cell(r, c);
            const size_t point = g.grid.entry(g.nearest[cell]);
            const double dr = r - g.grid.rows[point] / scale;
            const double dc = c - g.grid.columns[point] / scale;
            g.angle[cell] = std::fabs(std::atan2(dc, dr)) / std::numbers::pi;
            g.diagonalA[cell] = std::atan2(dr + dc, dc - dr);
            g.diagonalB[cell] = std::atan2(dr - dc, -(dr + dc));
        }
    }
}

void averageDirectionFields(Render& render) {
    Geometry& g = render.geometry;
    const Region& region = g.region;
    const int32_t rows = region.endRow - region.startRow;
    const int32_t columns = region.endColumn - region.startColumn;
    if (rows <= 0 || columns <= 0) return;

    // Sines, angles and classes once per pixel rather than once per window visit,
    // laid out column by column as the averaging walks them.
    const auto local = [&](int32_t r, int32_t c) {
        return static_cast<size_t>(c - region.startColumn) * rows + static_cast<size_t>(r - region.startRow);
    };
    std::vector<double> sineA(static_cast<size_t>(rows) * columns);
    std::vector<double> sineB(sineA.size());
    std::vector<double> angle(sineA.size());
    std::vector<uint8_t> dark(sineA.size());
    for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
        for (int32_t r = region.startRow; r < region.endRow; ++r) {
            const size_t cell = g.cell(r, c);
            const size_t index = local(r, c);
            sineA[index] = std::sin(g.diagonalA[cell]);
            sineB[index] = std::sin(g.diagonalB[cell]);
            angle[index] = g.angle[cell];
            dark[index] = render.isDark(r, c);
        }
    }

    for (int32_t c = region.startColumn; c < region.endColumn; ++c) {
        const int32_t firstColumn = std::max(c - 3, region.startColumn);
        const int32_t lastColumn = std::min(c + 3, region.endColumn - 1);
        for (int32_t r = region.startRow; r < region.endRow; ++r) {
            const int32_t firstRow = std::max(r - 3, region.startRow);
            const int32_t lastRow = std::min(r + 3, region.endRow - 1);
            const uint8_t centreClass = dark[local(r, c)];
            double sumA = 0;
            double sumB = 0;
            double sumAngle = 0;
            int32_t count = 0;
            for (int32_t nc = firstColumn; nc <= lastColumn; ++nc) {
                for (int32_t nr = firstRow; nr <= lastRow; ++nr) {
                    const size_t index = local(nr, nc);
                    if (dark[index] != centreClass) continue;
                    sumA += sineA[index];
                    sumB += sineB[index];
                    sumAngle += angle[index];
                    ++count;
                }
            }
            const size_t cell = g.cell(r, c);
            g.lightA[cell] = sumA / count;
            g.lightB[cell] = sumB / count;
            // Later windows read this already averaged angle.
            angle[local(r, c)] = sumAngle / count;
            g.angle[cell] = angle[local(r, c)];
        }
    }
}

}  // namespace velloro
