#version 330 core

// The font texture holds white glyphs premultiplied by their coverage
// (rgb = alpha = coverage), so one output serves every blend mode:
//   mode 0 (SRC_ALPHA, ONE_MINUS_SRC_ALPHA): coloured glyphs, clear cells;
//   mode 1 (ONE, ONE_MINUS_SRC_ALPHA): adds the colour inside the strokes;
//   mode 2 (ZERO, SRC_ALPHA): keeps the background inside the strokes and
//   darkens the rest of each cell.
// Menus pass colours on a 0..255 scale and the HUD on 0..1: any component
// above 1 means the 0..255 scale.
//
// Depth: screens draw their text first and the full-screen image after it,
// with the depth test on. Glyph strokes take depth 0 so the image (drawn at
// depth 0.0005) cannot cover them; the rest of each cell takes 0.001, just
// behind the image, so the image fills it, yet in front of any scene surface.
in vec2 UV;

out vec4 color;

uniform sampler2D myTextureSampler;
uniform vec4 colorText;

void main() {
  vec4 texel = texture(myTextureSampler, UV);
  vec3 tint = colorText.rgb;
  if (max(tint.r, max(tint.g, tint.b)) > 1.0) {
    tint = tint / 255.0;
  }
  color = vec4(tint * texel.rgb, texel.a);
  gl_FragDepth = texel.a > 0.4 ? 0.0 : 0.001;
}
