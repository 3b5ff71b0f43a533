#pragma once
// OpenPortPicture: draws the picture of the port-closed window: red
// hand-lettered "ОТКРОЙ ПОРТ!" over an angry little man shaking his fist.
// It is drawn by code (no image file to ship) with a fixed random seed, so
// every run and every machine gets the same picture.

#include <QImage>

namespace openportpicture {

constexpr int kWidth = 599;
constexpr int kHeight = 499;

// A 599 x 499 picture in 24-bit colour.
QImage draw();

}  // namespace openportpicture
