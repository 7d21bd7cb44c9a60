#version 330 core

// Drawn with the blend (ONE, ONE_MINUS_SRC_ALPHA): the colour adds light and
// the alpha covers what was there.
in vec4 tint;

out vec4 color;

void main() {
  color = tint;
}
