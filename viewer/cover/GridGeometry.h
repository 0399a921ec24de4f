#pragma once
// The grid of a level object: columns and rows, the step between positions in the file's
// length unit, and the scale that turns steps into displayed lengths (m, in or ft). The cell
// and total areas are derived on demand.
#include <cstdint>

namespace vordalis {

class Json;

class GridGeometry {
public:
    // Stores each of nx, ny, or 0 when it is not positive.
    void SetSize(int32_t columns, int32_t rows);
    // Stores each step, or 0 when it is not positive.
    void SetSteps(double x, double y);
    // Takes effect only for a positive value different from the current one.
    void SetScale(double s);
    void Set(int32_t columns, int32_t rows, double x, double y, double s);

    int32_t Nx() const { return nx_; }
    int32_t Ny() const { return ny_; }
    double StepX() const { return stepX_; }
    double StepY() const { return stepY_; }
    double Scale() const { return scale_; }
    // scale² × step x × step y
    double CellArea();
    // cell area × nx × ny
    double TotalArea();

    Json Describe();

private:
    void Derive();

    int32_t nx_ = 0;
    int32_t ny_ = 0;
    double stepX_ = 1.0;
    double stepY_ = 1.0;
    double scale_ = 1.0;
    double cellArea_ = 0.0;
    double totalArea_ = 0.0;
    bool areasValid_ = true;
};

} // namespace vordalis
