#version 330 core
in vec2 UV;
in vec3 Normal_worldspace;
in vec4 ShadowCoord;
in float EyeDepth;
flat in vec4 UVRect;

layout(location = 0) out vec4 color;

uniform sampler2D Texture1;
uniform sampler2DShadow shadowMap;
uniform vec3 LightInvDirection_worldspace;
uniform int TypeObject;

const vec3 kSky = vec3(0.75);
const float kDepthBias = 0.0006;
const float kFogStart = 160.0;
const float kFogRange = 320.0;
const float kFogMax = 0.55;

// 1 lit, 0 in shadow; surfaces outside the light's volume count as lit.
float light_visibility() {
    vec3 p = ShadowCoord.xyz / ShadowCoord.w;
    if (any(lessThan(p, vec3(0.0))) || any(greaterThan(p, vec3(1.0)))) return 1.0;
    // One lookup: the comparison sampler's linear filter already blends the
    // four nearest depth tests, which softens the edge over a texel.
    return texture(shadowMap, vec3(p.xy, p.z - kDepthBias));
}

// A merged face repeats its cube side's texture rectangle once per cell:
// wrap uv back into it, but choose the mip level from the unwrapped uv so
// the jump at each cell edge does not look like a huge minification. One
// lookup for every face: the software rasterizer would run both sides of a
// branch, and the explicit gradients are the ones texture() would take.
vec3 surface_colour() {
    vec2 dx = dFdx(UV), dy = dFdy(UV);
    vec2 wrapped = UVRect.z > 0.0 ? UVRect.xy + mod(UV - UVRect.xy, UVRect.zw) : UV;
    return textureGrad(Texture1, wrapped, dx, dy).rgb;
}

void main() {
    vec3 albedo = surface_colour();
    vec3 n = normalize(Normal_worldspace);
    vec3 l = normalize(LightInvDirection_worldspace);
    float cos_theta = dot(n, l);
    // Faces turned from the light are in their own shadow: no lookup needed.
    // The city's sides that never face the light are drawn by a version of
    // this program built with TURNED_FROM_LIGHT, which leaves the lookup out.
#ifdef TURNED_FROM_LIGHT
    float direct = 0.0;
#else
    float direct = cos_theta > 0.0 ? cos_theta * light_visibility() : 0.0;
#endif
    // Light from the grey sky, stronger on faces that look up.
    float sky = 0.5 + 0.5 * n.z;

    vec3 tint = vec3(1.0);
    float ambient = 0.30;
    if (TypeObject == 0) {
        tint = vec3(0.90, 0.92, 0.98);  // the street a little cooler
    } else if (TypeObject == 1) {
        tint = vec3(1.05, 1.00, 0.94);  // the blocks a little warmer
    } else {
        ambient = 0.42;                 // characters stay readable in shade
    }
    vec3 lit = albedo * tint * (ambient + 0.20 * sky + 0.85 * direct);
    float fog = clamp((EyeDepth - kFogStart) / kFogRange, 0.0, kFogMax);
    color = vec4(mix(lit, kSky, fog), 1.0);
}
