#version 330

// Per-pixel diffuse and ambient light with one filtered shadow lookup, an emissive term, and
// fog by distance from the camera.

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texcoord;
in vec3 shadowCoord;

uniform vec3 CameraPosition;
uniform vec3 AmbientLight;
uniform vec3 DiffuseLight;
uniform vec3 LightVector;        // unit vector towards the light
uniform bool FogEnabled;
uniform vec3 FogColor;
uniform float FogStart;          // distances in world units
uniform float FogEnd;
uniform vec3 DiffuseColor;
uniform bool DiffuseMapEnabled;  // the map replaces the colour
uniform sampler2D DiffuseMap;
uniform vec3 EmissiveColor;
uniform bool EmissiveMapEnabled; // the map adds to the colour
uniform sampler2D EmissiveMap;
uniform sampler2DShadow ShadowMap;

out vec4 fragColor;

// In shadow-map depth units (the light's box is 100 units deep); the normal offset in the vertex
// shader does most of the work against acne.
const float depthBias = 0.0005;

// 1 lit, 0 in shadow. The linear filter of the comparison sampler gives a soft 2x2 edge in one
// fetch. Outside the light's box (the sky, the far landscape) everything is lit, rather than
// taking the clamped border texels' verdict.
float lightReaching()
{
    float lit = texture(ShadowMap, vec3(shadowCoord.xy, shadowCoord.z - depthBias));
    bool inside = all(greaterThanEqual(shadowCoord, vec3(0.0))) && all(lessThanEqual(shadowCoord, vec3(1.0)));
    return inside ? lit : 1.0;
}

void main()
{
    vec3 albedo = DiffuseMapEnabled ? texture(DiffuseMap, texcoord).rgb : DiffuseColor;
    vec3 emissive = EmissiveColor;
    if (EmissiveMapEnabled) {
        emissive += texture(EmissiveMap, texcoord).rgb;
    }

    // A lamp outshines the light falling on it. Adding that light in full would push a green or
    // red lamp towards white, and the bloom would finish the job; the brighter its own colour,
    // the less reflected light it shows, so health lights and the beam keep their hue.
    float glowing = clamp(max(EmissiveColor.r, max(EmissiveColor.g, EmissiveColor.b)), 0.0, 1.0);
    float facing = max(dot(normalize(worldNormal), LightVector), 0.0);
    // The shadow lookup is the costliest step on a software renderer: faces turned away from the
    // light, and lamps that show no reflected light, do without it.
    if (facing > 0.0 && glowing < 1.0) {
        facing *= lightReaching();
    }
    vec3 color = albedo * (AmbientLight + DiffuseLight * facing) * (1.0 - glowing) + emissive;

    if (FogEnabled) {
        float fog = clamp((distance(worldPosition, CameraPosition) - FogStart) / (FogEnd - FogStart), 0.0, 1.0);
        color = mix(color, FogColor, fog);
    }
    fragColor = vec4(color, 1.0);
}
