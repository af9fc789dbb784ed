#pragma once
// The key codes the KeyPress handlers of every window compare KeyAscii with.
namespace tx::keys {

inline constexpr int kCtrlC = 3;
inline constexpr int kBackspace = 8;
inline constexpr int kCtrlI = 9;  // also Tab typed as a character
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
inline constexpr int kBlank = 32;
inline constexpr int kDoubleQuote = 34;

}  // namespace tx::keys
