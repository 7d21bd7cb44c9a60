#version 330 core

// Draws one full-screen image, unchanged.
in vec2 UV;

out vec4 color;

uniform sampler2D texture1;

void main() {
  color = vec4(texture(texture1, UV).rgb, 1.0);
}
