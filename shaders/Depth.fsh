#version 330 core
// Only depth is written; the shadow framebuffer has no colour buffer.
void main() {
}
