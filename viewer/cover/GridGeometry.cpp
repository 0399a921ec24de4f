#include "cover/GridGeometry.h"

#include "model/Json.h"

namespace vordalis {

void GridGeometry::SetSize(int32_t columns, int32_t rows) {
    nx_ = columns > 0 ? columns : 0;
    ny_ = rows > 0 ? rows : 0;
    areasValid_ = false;
}

void GridGeometry::SetSteps(double x, double y) {
    stepX_ = x > 0 ? x : 0.0;
    stepY_ = y > 0 ? y : 0.0;
    areasValid_ = false;
}

void GridGeometry::SetScale(double s) {
    if (s > 0 && s != scale_) {
        scale_ = s;
        areasValid_ = false;
    }
}

void GridGeometry::Set(int32_t columns, int32_t rows, double x, double y, double s) {
    SetSize(columns, rows);
    SetSteps(x, y);
    SetScale(s);
}

void GridGeometry::Derive() {
    if (areasValid_) return;
    // Dividing by the inverse scale keeps metric areas exact in decimals (0.01 m², not 0.00999...).
    const double inverse = 1.0 / scale_;
    cellArea_ = stepX_ * stepY_ / (inverse * inverse);
    totalArea_ = cellArea_ * nx_ * ny_;
    areasValid_ = true;
}

double GridGeometry::CellArea() {
    Derive();
    return cellArea_;
}

double GridGeometry::TotalArea() {
    Derive();
    return totalArea_;
}

Json GridGeometry::Describe() {
    Json g = Json::Object();
    g.Set("nx", Json::Int(nx_));
    g.Set("ny", Json::Int(ny_));
    g.Set("step_x", Json::Number(stepX_));
    g.Set("step_y", Json::Number(stepY_));
    g.Set("scale", Json::Number(scale_));
    g.Set("cell_area", Json::Number(CellArea()));
    g.Set("total_area", Json::Number(TotalArea()));
    return g;
}

} // namespace vordalis
