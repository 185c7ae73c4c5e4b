// Oxel's pictures.
#pragma once

#include <QImage>

namespace pictures {

QImage MakeOxelIcon();  // 64 x 64, with alpha

// 16 x 16 with alpha, by image index: 0 edit file, 1 replace, 2 add before, 3 add after,
// 4 add action, 5 delete, 6 new, 7 open, 8 save, 9 spare (the installer's emblem).
QImage MakeOxelImage(int index);
inline constexpr int kOxelImageCount = 10;

}  // namespace pictures
