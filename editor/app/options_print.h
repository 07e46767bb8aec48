// The print settings object lives with the other settings views in base.
#pragma once
#include "editor/base/options_print.h"
