#version 330 core
// Scene geometry: city cubes (TypeObject 0 floor, 1 block) and character
// meshes (2), lit by one directional light with a shadow map.
layout(location = 0) in vec3 vertexPosition_modelspace;
layout(location = 1) in vec2 vertexUV;
layout(location = 2) in vec3 vertexNormal_modelspace;
// Merged city faces: the texture rectangle (min u, min v, width, height)
// their uv repeats in; zero width everywhere else.
layout(location = 3) in vec4 vertexUVRect;
// Actor meshes drawn many at once carry each instance's model matrix here;
// everything else leaves it at its constant value, the identity, and is
// placed by MVP, M and DepthBiasMVP alone.
layout(location = 4) in mat4 vertexModel;

out vec2 UV;
// Light from the sky (x) and, where the shadow lookup finds it lit, from the
// sun (y); tint and all of the lighting are worked out here, per vertex, so
// each pixel pays only for its two texture lookups.
out vec2 Shade;
flat out vec3 Tint;
#ifndef NO_SHADOW_LOOKUP
out vec3 ShadowCoord;
#endif
out float EyeDepth;

uniform mat4 MVP;
uniform mat4 V;
uniform mat4 M;
uniform mat4 DepthBiasMVP;
uniform vec3 LightInvDirection_worldspace;
uniform int TypeObject;

// Looking the shadow up a little in front of the surface keeps a lit face
// from shadowing itself (acne) without a large depth bias.
const float kNormalOffset = 0.45;
const float kSunStrength = 0.85;
const float kSkyStrength = 0.20;

void main() {
    vec4 position = vertexModel * vec4(vertexPosition_modelspace, 1.0);
    gl_Position = MVP * position;
    // A merged face's uv in cells of its repeating texture.
    UV = vertexUVRect.z > 0.0 ? (vertexUV - vertexUVRect.xy) / vertexUVRect.zw : vertexUV;

    vec3 n = normalize((M * (vertexModel * vec4(vertexNormal_modelspace, 0.0))).xyz);
    float cos_theta = dot(n, normalize(LightInvDirection_worldspace));
    float sky = 0.5 + 0.5 * n.z;  // the grey sky lights faces that look up more
    float ambient = 0.30;
    Tint = vec3(1.0);
    if (TypeObject == 0) {
        Tint = vec3(0.90, 0.92, 0.98);  // the street a little cooler
    } else if (TypeObject == 1) {
        Tint = vec3(1.05, 1.00, 0.94);  // the blocks a little warmer
    } else {
        ambient = 0.42;                 // characters stay readable in shade
    }
    // Faces turned from the light are in their own shadow.
    Shade = vec2(ambient + kSkyStrength * sky, kSunStrength * max(cos_theta, 0.0));

#ifndef NO_SHADOW_LOOKUP
    // The light's projection is orthographic: no division needed later.
    vec3 lifted = vertexPosition_modelspace + kNormalOffset * normalize(vertexNormal_modelspace);
    ShadowCoord = (DepthBiasMVP * (vertexModel * vec4(lifted, 1.0))).xyz;
#endif
    EyeDepth = -(V * M * position).z;
}
