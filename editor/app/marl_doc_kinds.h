// The document and view classes of the editor's template and the file
// services the shell uses on its documents.
#pragma once
#include "editor/app/marl_app.h"

MarlDocKinds MakeMarlDocKinds();
