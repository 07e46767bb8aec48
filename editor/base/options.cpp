#include "editor/base/options.h"

COptions* g_pOptions = nullptr;
