#pragma once

// The installer's title: its window text and the caption of its message boxes.
inline constexpr char kSetupTitle[] = "Trelvan Setup";

// The backdrop colour behind the wizard pages, as red, green, blue.
struct BackdropColor {
    unsigned char red, green, blue;
};
BackdropColor SetupBackdropColor();
