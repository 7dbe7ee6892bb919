// Per-pixel diffuse and ambient light with one filtered shadow lookup, an emissive term, and
// fog by distance from the camera.
//
// A software renderer runs both sides of every if on every pixel, texture fetches included, so a
// surface pays for every feature some other surface needs. The effect therefore builds variants
// of this file, each with only the features its kind of material uses switched on:
//   LIGHTING      diffuse map or colour, ambient and diffuse light
//   SHADOWS       the shadow lookup, with LIGHTING
//   EMISSIVE      the emissive colour, which also dims the light a lamp reflects
//   EMISSIVE_MAP  the emissive map
//   FOG           the fog, which leaves alone what lies nearer than FogStart
// With all five the shader is correct for anything drawn; a variant gives the same colours for
// what it is chosen for.

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texcoord;
in vec3 shadowCoord;

uniform vec3 CameraPosition;
uniform bool FogEnabled;
uniform float FogStart;          // distances in world units
uniform float FogEnd;
uniform vec3 AmbientLight;
uniform vec3 DiffuseLight;
uniform vec3 LightVector;        // unit vector towards the light
uniform vec3 FogColor;
uniform vec3 DiffuseColor;
uniform bool DiffuseMapEnabled;  // the map replaces the colour
uniform sampler2D DiffuseMap;
uniform vec3 EmissiveColor;
uniform bool EmissiveMapEnabled; // the map adds to the colour
uniform sampler2D EmissiveMap;
uniform sampler2DShadow ShadowMap;
uniform bool WaterClipping;      // set while the scene is drawn mirrored in the water

layout(location = 0) out vec4 fragColor;

// In shadow-map depth units (the light's box is 100 units deep); the normal offset in the vertex
// shader does most of the work against acne.
const float depthBias = 0.0005;

// 1 lit, 0 in shadow. The linear filter of the comparison sampler gives a soft 2x2 edge in one
// fetch. Outside the light's box (the sky, the far landscape) everything is lit, rather than
// taking the clamped border texels' verdict.
float lightReaching()
{
    vec3 fromCentre = abs(shadowCoord - 0.5);
    if (max(fromCentre.x, max(fromCentre.y, fromCentre.z)) > 0.5) {
        return 1.0;
    }
    return texture(ShadowMap, vec3(shadowCoord.xy, shadowCoord.z - depthBias));
}

void main()
{
#ifdef EMISSIVE
    vec3 color = EmissiveColor;
#else
    vec3 color = vec3(0.0);
#endif
#ifdef EMISSIVE_MAP
    // Only the sky has an emissive map, and the view shows it magnified, so its full-size level
    // is what the filter would pick anyway (where the dome is seen edge-on, just above the
    // horizon, the picture changes by a few levels of red at most). Read it there: choosing a
    // level and blending two is most of the cost of a fetch.
    if (EmissiveMapEnabled) {
        color += textureLod(EmissiveMap, texcoord, 0.0).rgb;
    }
#endif
#ifdef LIGHTING
#ifdef EMISSIVE
    // A lamp outshines the light falling on it. Adding that light in full would push a green or
    // red lamp towards white, and the bloom would finish the job; the brighter its own colour,
    // the less reflected light it shows, so health lights and the beam keep their hue.
    float glowing = clamp(max(EmissiveColor.r, max(EmissiveColor.g, EmissiveColor.b)), 0.0, 1.0);
#else
    const float glowing = 0.0;
#endif
    // Only a surface with a colour of its own is lit at all: the sky shines by its map alone.
    if (glowing < 1.0 && (DiffuseMapEnabled || DiffuseColor != vec3(0.0))) {
        vec3 albedo = DiffuseMapEnabled ? texture(DiffuseMap, texcoord).rgb : DiffuseColor;
        float facing = max(dot(normalize(worldNormal), LightVector), 0.0);
        // Faces turned away from the light do without the shadow lookup, and so does the mirror
        // image, where the rippled, tinted water would blur a shadow away anyway.
#ifdef SHADOWS
        if (facing > 0.0 && !WaterClipping) {
            facing *= lightReaching();
        }
#endif
        color += albedo * (AmbientLight + DiffuseLight * facing) * (1.0 - glowing);
    }
#endif
#ifdef FOG
    if (FogEnabled) {
        float fog = clamp((distance(worldPosition, CameraPosition) - FogStart) / (FogEnd - FogStart), 0.0, 1.0);
        color = mix(color, FogColor, fog);
    }
#endif
    fragColor = vec4(color, 1.0);
}
