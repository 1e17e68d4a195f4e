#pragma once

#include <QIcon>

// The pictures of the start and stop buttons, drawn rather than shipped as files, sharp at
// every size from 16 to 128 pixels.
namespace verbolario::icone {

QIcon avvio();
QIcon stop();

} // namespace verbolario::icone
