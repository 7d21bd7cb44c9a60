#version 330 core

// Full-screen images: attribute 0 is a quad corner in clip space (-1..1).
// The top of the window (y = 1) samples v = 0, the first stored row of the
// image, so pictures come out upright. The quad sits near the front of the
// depth range (depth 0.0005): text drawn before it keeps its glyph strokes
// (depth 0) and everything else is covered.
layout(location = 0) in vec3 vertexPosition_modelspace;

out vec2 UV;

void main() {
  gl_Position = vec4(vertexPosition_modelspace.xy, -0.999, 1.0);
  UV = vec2(0.5 + 0.5 * vertexPosition_modelspace.x, 0.5 - 0.5 * vertexPosition_modelspace.y);
}
