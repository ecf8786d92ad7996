#pragma once

// Who makes the program, and the user guide it ships: shown by the help screens and used
// wherever the program names itself.
namespace help {

inline constexpr const char* kMakerName = "Vestrano Software";
inline constexpr const char* kMakerEmail = "info@vestrano.it";
inline constexpr const char* kMakerWebAddress = "https://www.vestrano.it";
inline constexpr const char* kGuideFileName = "Guida.pdf";

} // namespace help
