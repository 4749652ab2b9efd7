#pragma once

#include <string>

#include "tests/e2e/probe/PlayFieldGrab.h"

namespace probe {

// Which scene background the play field shows: 'm' roster, 'b' beating,
// 'f' judge, or '?' when none of them clearly dominates.
char GuessScene(const FieldPixels& field, const std::string& dataFolder);

}  // namespace probe
