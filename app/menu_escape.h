#pragma once
// Escape as the options menu takes it: a press that began while the menu was
// on screen, once that key has come up again. The Escape that opened the
// menu reads as pressed for as long as it is held; taken then, it would
// close the menu it had just opened. Waiting for the release also leaves no
// unread Escape behind to open the menu again at the next decision pass of
// play.

struct MenuEscape {
    bool seen_up = false;  // Escape has read as up since the menu came on screen
    bool pressed = false;  // and has gone down after that

    // One read of the key, on every frame of the menu.
    void watch(bool down);
    // A whole new press and release: the menu may close.
    bool complete() const { return pressed && seen_up; }
};
