#pragma once

#include "app/version.h"

namespace zendrik {

/// The main window's caption before the script document's name.
inline constexpr const char* kBaseCaption = "Zendrik " ZENDRIK_VERSION;
/// The application's title: task bar, and the caption of message boxes without their own.
inline constexpr const char* kApplicationTitle = "Zendrik";
/// The maker's web site (button of the information dialog).
inline constexpr const char* kMakerAddress = "https://zendrik.example/";

}  // namespace zendrik
