#pragma once

// The rule base window's unit: the window, the values it edits and the command that opens it.
#include "analysis/RuleBase.h"
#include "analysis/RuleBaseCommand.h"
#include "analysis/ui/Tpoledit.h"
