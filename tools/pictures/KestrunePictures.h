// Kestrune's pictures.
#pragma once

#include <QImage>

namespace pictures {

QImage MakeBackground();            // 640 x 480, the skinned window, magenta outside
QImage MakeLogo();                  // 150 x 350, palette
QImage MakeIcon();                  // 71 x 70, with alpha
QImage MakeErrorBadge();            // 59 x 21, magenta ground
QImage MakeOpenYaBB(bool pressed);  // 20 x 20, with alpha

}  // namespace pictures
