#version 330 core
in vec2 UV;
in vec2 Shade;
flat in vec3 Tint;
#ifndef NO_SHADOW_LOOKUP
in vec3 ShadowCoord;
#endif
in float EyeDepth;

layout(location = 0) out vec4 color;

uniform sampler2D Texture1;

const vec3 kSky = vec3(0.75);
const float kFogStart = 160.0;
const float kFogRange = 320.0;
const float kFogMax = 0.55;

// The version without the lookup declares no shadow map at all: a driver
// that kept the unused sampler would find it on unit 0 beside Texture1 and
// refuse every draw.
#ifndef NO_SHADOW_LOOKUP
uniform sampler2DShadow shadowMap;

const float kDepthBias = 0.0006;

// 1 lit, 0 in shadow; surfaces outside the light's volume count as lit.
float light_visibility() {
    vec3 p = ShadowCoord;
    if (any(lessThan(p, vec3(0.0))) || any(greaterThan(p, vec3(1.0)))) return 1.0;
    // One lookup: the comparison sampler's linear filter already blends the
    // four nearest depth tests, which softens the edge over a texel.
    return texture(shadowMap, vec3(p.xy, p.z - kDepthBias));
}
#endif

void main() {
    vec3 albedo = texture(Texture1, UV).rgb;
    // A version of this program built with NO_SHADOW_LOOKUP leaves the
    // lookup out (a software rasterizer would run it under any branch) and
    // lights every surface fully: the city's sides that never face the light
    // (whose sun term is 0 anyway), and everything when shadows are off.
#ifdef NO_SHADOW_LOOKUP
    float light = Shade.x + Shade.y;
#else
    float light = Shade.x + Shade.y * light_visibility();
#endif
    vec3 lit = albedo * Tint * light;
    float fog = clamp((EyeDepth - kFogStart) / kFogRange, 0.0, kFogMax);
    color = vec4(mix(lit, kSky, fog), 1.0);
}
