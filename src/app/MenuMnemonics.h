#pragma once

class QMenu;

namespace ht57 {

// Gives every entry of `menu` that has no mnemonic one no other entry of the
// menu uses: the first letter of one of its words, else another letter of
// it, else a free letter appended as "(&X)" (a text without Latin letters, as
// a translation may be). Entries that have one keep it. Run before the menu
// shows, so texts set late (start-up renames, a translation) get one too.
void AssignMnemonics(QMenu& menu);

}  // namespace ht57
