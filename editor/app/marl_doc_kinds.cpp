#include "editor/app/marl_doc_kinds.h"

#include "editor/app/doc_file_access.h"
#include "framework/document.h"
#include "framework/view.h"

MarlDocKinds MakeMarlDocKinds()
{
    // The framework's plain document and view until the editor's own
    // document and editor window are in place.
    return {fw::Make<fw::Document>(), fw::Make<fw::View>(), std::make_unique<NoDocFileAccess>()};
}
