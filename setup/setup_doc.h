// The setup document: the program is a single-document application whose
// document holds nothing of its own (the model lives in the application).
#pragma once

class CSetupDoc {
public:
    CSetupDoc() = default;
    CSetupDoc(const CSetupDoc&) = delete;
    CSetupDoc& operator=(const CSetupDoc&) = delete;
};
