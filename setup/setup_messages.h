// How the installer's core shows a message box.  The program implements it
// with the platform's message boxes; the tests record what would be shown.
#pragma once
#include <string_view>

enum class SetupIcon { None, Exclamation, Stop };
enum class SetupButtons { Ok, AbortRetryIgnore };
enum class SetupAnswer { Ok, Abort, Retry, Ignore };

struct SetupBox {
    std::string_view text;
    std::string_view caption;
    SetupIcon icon = SetupIcon::None;
    SetupButtons buttons = SetupButtons::Ok;
    // The DDE failure boxes stand alone: no owner window.
    bool ownerless = false;
};

class SetupMessages {
public:
    virtual ~SetupMessages() = default;
    virtual SetupAnswer Show(const SetupBox& box) = 0;
};
