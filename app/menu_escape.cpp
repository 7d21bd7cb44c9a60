#include "app/menu_escape.h"

void MenuEscape::watch(bool down) {
    if (!down) {
        seen_up = true;
    } else if (seen_up) {
        pressed = true;
        seen_up = false;
    }
}
