#version 330 core

// Text space: x runs 0..800 across the window; y' (the flipped y, 588 - y,
// growing upwards) runs 0..612 up the window. The extra 12 units above 600
// keep the HUD score line, whose glyph tops reach y' 601, fully on screen.
layout(location = 0) in vec2 vertexPosition_screenspace;
layout(location = 1) in vec2 vertexUV;

out vec2 UV;

void main() {
  vec2 clip = vec2(vertexPosition_screenspace.x / 400.0 - 1.0,
                   vertexPosition_screenspace.y / 306.0 - 1.0);
  gl_Position = vec4(clip, 0.0, 1.0);
  UV = vertexUV;
}
