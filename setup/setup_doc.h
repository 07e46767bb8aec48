// The setup document: the program is a single-document application whose
// document holds nothing of its own (the model lives in the application).
#pragma once
#include "framework/document.h"

class CSetupDoc : public fw::Document {};
