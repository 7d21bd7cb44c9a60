#include "app/key_reads.h"

void KeyReads::take(const InputFrame& frame) {
    for (int key = 0; key < kKeySlots; ++key) {
        if (frame.presses[key] > 0) unread[key] = true;
    }
    down = frame.down;
}

bool KeyReads::read(int key) {
    if (!valid_key(key)) return false;
    const bool pressed = down[key] || unread[key];
    unread[key] = false;
    return pressed;
}

bool KeyReads::read_any() {
    for (int key = kKeyScanFirst; key <= kKeyScanLast; ++key) {
        if (read(key)) return true;
    }
    return false;
}

int KeyReads::read_highest() {
    int found = kKeyScanFirst - 1;
    for (int key = kKeyScanFirst; key <= kKeyScanLast; ++key) {
        if (read(key)) found = key;
    }
    return found;
}
