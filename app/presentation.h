#pragma once
// What start-up makes above the flow's session, and releases at shutdown:
// the renderer with its meshes, the text overlay, the screen images and the
// sound. The session knows none of it; each frame the presentation draws
// the session as the pass's logic left it.
#include <cstdint>
#include <vector>

#include "app/audio.h"
#include "render/renderer.h"
#include "render/text_overlay.h"
#include "ui/screens.h"

struct Presentation {
    Renderer renderer;
    std::vector<int32_t> mesh_handles;  // in registration order
    TextOverlay text;
    ScreenImages images;
    AudioModule audio;          // music and sound effects
    int32_t music_volume = -1;  // the volume last given to the music
};
