#pragma once
// A window's menu bar that is live only while one of its top menus is enabled. The bar claims
// Alt and the mnemonic of every top menu, enabled or not; while a frame has locked all the menus,
// the frame's own buttons ("&Save", "&Erase") must own those keys.
class QMenuBar;

namespace tx {

void LockBarWithItsMenus(QMenuBar* bar);

}  // namespace tx
