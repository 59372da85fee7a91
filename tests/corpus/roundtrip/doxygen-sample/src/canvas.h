/// @file canvas.h
/// Where shapes are drawn.
/// A point on the canvas.
struct Point { int x = 0; int y = 0; };
/// A drawing surface.
class Canvas { public: void Plot(Point p); };
