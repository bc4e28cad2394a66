#pragma once
// Tells the user, once a run, that the voice cannot be heard because no sound
// device could be opened. Speech comes back by itself when one appears, so a
// later success needs no word.
namespace pelumo {

class frmTalk;

// Listens to the window's speaking character, when it is one with a voice.
void connectAudioNotice(frmTalk &window);

} // namespace pelumo
