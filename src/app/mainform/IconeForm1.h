#pragma once

#include <QIcon>

// The pictures of the start and stop buttons, drawn rather than shipped as files.
namespace verbolario::icone {

QIcon avvio(int lato = 32);
QIcon stop(int lato = 32);

} // namespace verbolario::icone
