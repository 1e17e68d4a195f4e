#pragma once

#include <QString>

namespace verbolario {

// The name of the user logged on, as the system reports it (at most 100 characters);
// empty when the system cannot tell.
QString NomeUtente();

} // namespace verbolario
