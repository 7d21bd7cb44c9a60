// One line of text telling a pad's buttons, on the screens whose pictures
// only tell the keys.
#include <cstring>

#include "render/text_overlay.h"
#include "ui/screens.h"

namespace {
constexpr int32_t kTextSpaceWidth = 800;
constexpr int32_t kChooseRow = 560;  // below the picture's last line
constexpr int32_t kMenuRow = 400;    // below the menu picture's key hints
const float kHintColour[3] = {240.0f, 228.0f, 200.0f};  // the pictures' cream, 0..255

struct HintLine {
    const char* text;
    int32_t row, size;
};

// In PadHint order.
const HintLine kHints[] = {
    {"PAD: LB OR X FOR THE GIRL, RB OR B FOR THE BOY", kChooseRow, 14},
    {"PAD: STICK OR D-PAD MOVES AND CHANGES  A SELECTS  B PLAYS ON", kMenuRow, 12},
    {"PAD: STICK WALKS  A JUMPS  X Y B RB THROW  LB VIEW  BACK LENS", kMenuRow, 12},
    {"PAD: TYPE THE NEW KEY ON THE KEYBOARD  B KEEPS THE OLD ONE", kMenuRow, 12},
};
}  // namespace

void draw_pad_hint(const TextOverlay& text, int32_t hint) {
    const HintLine& line = kHints[hint];
    const int32_t width = int32_t(std::strlen(line.text)) * line.size;
    print_text(text, line.text, (kTextSpaceWidth - width) / 2, line.row, line.size, kHintColour[0],
               kHintColour[1], kHintColour[2]);
}
