#version 330 core
in vec2 UV;
in vec3 Normal_worldspace;
in vec4 ShadowCoord;
in float EyeDepth;

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
// Four rotated taps, each a hardware 2 x 2 comparison: soft edges at little cost.
const vec2 kTaps[4] = vec2[](vec2(-0.75, -0.25), vec2(0.25, -0.75),
                             vec2(0.75, 0.25), vec2(-0.25, 0.75));

// 1 lit, 0 in shadow; surfaces outside the light's volume count as lit.
float light_visibility() {
    vec3 p = ShadowCoord.xyz / ShadowCoord.w;
    if (any(lessThan(p, vec3(0.0))) || any(greaterThan(p, vec3(1.0)))) return 1.0;
    vec2 texel = 1.5 / vec2(textureSize(shadowMap, 0));
    float sum = 0.0;
    for (int i = 0; i < 4; ++i) {
        sum += texture(shadowMap, vec3(p.xy + kTaps[i] * texel, p.z - kDepthBias));
    }
    return sum * 0.25;
}

void main() {
    vec3 albedo = texture(Texture1, UV).rgb;
    vec3 n = normalize(Normal_worldspace);
    vec3 l = normalize(LightInvDirection_worldspace);
    float cos_theta = dot(n, l);
    // Faces turned from the light are in their own shadow: no lookup needed.
    float direct = cos_theta > 0.0 ? cos_theta * light_visibility() : 0.0;
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
