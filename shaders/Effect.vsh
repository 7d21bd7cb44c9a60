#version 330 core

// Effects over the scene (a blast's fireball and glowing floors, the bite's
// red edges): coloured triangles, the colour already premultiplied by its
// alpha. VP places world positions; the edges come in clip space with VP
// the identity.
layout(location = 0) in vec3 position;
layout(location = 1) in vec4 colour;

out vec4 tint;

uniform mat4 VP;

void main() {
  gl_Position = VP * vec4(position, 1.0);
  tint = colour;
}
