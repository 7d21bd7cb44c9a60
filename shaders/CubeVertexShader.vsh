#version 330 core
// Scene geometry: city cubes (TypeObject 0 floor, 1 block) and character
// meshes (2), lit by one directional light with a shadow map.
layout(location = 0) in vec3 vertexPosition_modelspace;
layout(location = 1) in vec2 vertexUV;
layout(location = 2) in vec3 vertexNormal_modelspace;
// Merged city faces: the texture rectangle (min u, min v, width, height)
// their stretched uv repeats in; zero width everywhere else.
layout(location = 3) in vec4 vertexUVRect;

out vec2 UV;
out vec3 Normal_worldspace;
out vec4 ShadowCoord;
out float EyeDepth;
flat out vec4 UVRect;

uniform mat4 MVP;
uniform mat4 V;
uniform mat4 M;
uniform mat4 DepthBiasMVP;

// Looking the shadow up a little in front of the surface keeps a lit face
// from shadowing itself (acne) without a large depth bias.
const float kNormalOffset = 0.45;

void main() {
    vec4 position = vec4(vertexPosition_modelspace, 1.0);
    gl_Position = MVP * position;
    UV = vertexUV;
    UVRect = vertexUVRect;
    Normal_worldspace = (M * vec4(vertexNormal_modelspace, 0.0)).xyz;
    vec3 lifted = vertexPosition_modelspace + kNormalOffset * normalize(vertexNormal_modelspace);
    ShadowCoord = DepthBiasMVP * vec4(lifted, 1.0);
    EyeDepth = -(V * M * position).z;
}
