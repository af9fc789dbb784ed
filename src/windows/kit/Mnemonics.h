#pragma once
// Alt and a letter in a window of the program: the letter a caption marks with "&" (a button,
// a tab, a top menu). Qt counts a disabled or hidden top menu, and a button lying under a frame,
// as owners of their letters too, and a letter with two owners only moves the focus. So each
// window answers Alt+letter itself:
//   - the one owner the user can use acts: a button is clicked, a tab shown, a top menu opened
//     (a top entry without a menu is triggered). The user can use what is enabled, shown and
//     not under a frame (a widget stacked above it that paints its own background);
//   - a letter without such an owner does nothing, and so does one with two (the windows keep
//     their letters apart);
//   - the key never reaches the focused control, so it never types its letter into a box.
// The window's menu bar is also disabled while none of its top menus is enabled, so that Alt
// alone does not lead into a bar with nothing to choose.
class QWidget;

namespace tx {

// Call once the window's menus are built.
void UseMnemonics(QWidget* window);

}  // namespace tx
