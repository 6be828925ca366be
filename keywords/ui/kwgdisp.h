#pragma once

// The key word window's unit: the window and the generator it shows.
#include "keywords/KeyWordCommand.h"
#include "keywords/KeyWordGenerator.h"
#include "keywords/ui/TKWGenForm.h"
