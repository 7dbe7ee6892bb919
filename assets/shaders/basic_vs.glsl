// Scene geometry: world-space position, normal and shadow-map coordinates for the lighting in
// basic_fs.glsl. World space is z-up.

// Fixed locations: every variant of the program then reads the same vertex arrays.
layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec2 inTexcoord;
layout(location = 2) in vec3 inNormal;

uniform mat4 WorldMatrix;
uniform mat4 ViewProjectionMatrix;
uniform mat4 DepthBiasMVP;   // world position to shadow-map texture coordinates and depth
uniform float TexcoordScale;
uniform float WaterLevel;
uniform bool WaterClipping;  // set while the scene is drawn mirrored in the water

out vec3 worldPosition;
out vec3 worldNormal;
out vec2 texcoord;
out vec3 shadowCoord;

// Shadow lookups start this far (world units, about two shadow texels) out along the normal,
// so lit surfaces do not shadow themselves.
const float normalOffset = 0.05;

void main()
{
    vec4 world = WorldMatrix * vec4(inPosition, 1.0);
    // World matrices only rotate, translate and scale along the box axes, so the upper 3x3 keeps
    // normals perpendicular without an inverse transpose.
    vec3 normal = normalize(mat3(WorldMatrix) * inNormal);

    worldPosition = world.xyz;
    worldNormal = normal;
    texcoord = inTexcoord * TexcoordScale;
    // The light's projection is orthographic, so this interpolates exactly.
    shadowCoord = (DepthBiasMVP * vec4(world.xyz + normal * normalOffset, 1.0)).xyz;

    // The mirrored scene must lose what lies below the surface; elsewhere nothing is clipped.
    gl_ClipDistance[0] = WaterClipping ? world.z - WaterLevel : 1.0;
    gl_Position = ViewProjectionMatrix * world;
}
