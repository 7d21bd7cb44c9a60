#pragma once
// The effects' triangles as plain data: coloured vertices, the colour
// premultiplied by its alpha (a pixel becomes colour + (1 - alpha) x what
// was there), so one blend serves glows that brighten and tints that cover.
#include <glm/glm.hpp>

#include <vector>

#include "render/effects.h"

struct EffectVertex {
    glm::vec3 position{0.0f};
    glm::vec4 colour{0.0f};  // premultiplied
};

struct EffectMesh {
    std::vector<EffectVertex> world;   // world units, drawn in the scene's depth
    std::vector<EffectVertex> screen;  // clip space over the whole picture
};

// A blast becomes a fireball turned to the eye (the camera's `view`
// matrix) over one square per glowing floor; the bite flash becomes four
// bands along the picture's edges, red at the edge and clear inside.
EffectMesh effect_mesh(const EffectsPicture& picture, const glm::mat4& view);
