#pragma once

namespace ht57 {

class CMainFrame;

// Right after a successful Read, before anything can change the image: saves
// it as read (the header block, the signature and the image, as ht57-cli read
// writes it) into the backup folder. A backup that cannot be written is told
// in a message that does not hold up the program; the Read stands.
void KeepReadBackup(CMainFrame& frame);

}  // namespace ht57
