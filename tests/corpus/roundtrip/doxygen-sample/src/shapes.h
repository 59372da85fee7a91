/// @file shapes.h
/// Shapes a drawing is made of.
#include <string>
#include "canvas.h"

/// Anything that can be drawn.
class Shape {
  public:
    virtual ~Shape() = default;
    /// Draws the shape on @p canvas.
    virtual void Draw(Canvas& canvas) const = 0;
};

/// A circle given by its centre and radius.
class Circle : public Shape {
  public:
    void Draw(Canvas& canvas) const override;
  private:
    Point centre; ///< where it stands
    int radius = 0;
};

/// A polygon given by its corners.
class Polygon : public Shape {
  public:
    void Draw(Canvas& canvas) const override;
  private:
    Point corners[8]; ///< at most eight
    std::string name;
};
