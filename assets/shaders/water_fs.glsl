// The reflection of the scene, drawn at this fragment's own screen position and shifted by the
// drifting ripples of the normal map, with the sun glinting on them, fogged like the scene. When
// transparent, the water is clearer looking straight down than at a glance.

in vec3 worldPosition;

uniform vec3 CameraPosition;
uniform bool FogEnabled;
uniform vec3 FogColor;
uniform float FogStart;
uniform float FogEnd;
uniform sampler2D ReflectionMap; // the mirrored scene, the size of the target drawn into
uniform sampler2D NormalMap;     // tangent-space normals, z up
uniform vec2 RippleOffset;       // world units the ripples have drifted
uniform float RippleScale;       // normal-map repeats per world unit
uniform vec3 DiffuseLight;
uniform vec3 LightVector;        // unit vector towards the light
uniform bool TransparencyEnabled;

layout(location = 0) out vec4 fragColor;

const vec3 waterTint = vec3(0.55, 0.75, 0.85);
const float distortion = 0.03; // screen fraction at full ripple tilt

void main()
{
    // Two layers of the same map drifting apart hide its tiling. The offset is in world units,
    // like the position, so both are scaled together.
    vec3 n1 = texture(NormalMap, (worldPosition.xy + RippleOffset) * RippleScale).xyz;
    vec3 n2 = texture(NormalMap, (worldPosition.xy * 1.7 - RippleOffset * 1.3) * RippleScale).xyz;
    vec3 normal = normalize(n1 + n2 - 1.0);

    vec3 toEye = CameraPosition - worldPosition;
    float distanceToEye = length(toEye);
    toEye /= distanceToEye;

    vec2 screen = gl_FragCoord.xy / vec2(textureSize(ReflectionMap, 0));
    vec3 reflection = texture(ReflectionMap, screen + normal.xy * distortion).rgb;

    // A ripple tilted towards the eye mirrors sky higher up, one tilted away sky nearer the
    // horizon. Shading by that tilt shows the ripples even where the mirrored scene is all one
    // colour, which a shifted lookup alone cannot.
    float tiltToEye = dot(normal.xy, normalize(toEye.xy + vec2(1e-4)));
    float glint = pow(max(dot(normal, normalize(LightVector + toEye)), 0.0), 120.0);
    vec3 color = reflection * waterTint * (1.0 - 0.6 * tiltToEye) + DiffuseLight * glint;

    if (FogEnabled) {
        float fog = clamp((distanceToEye - FogStart) / (FogEnd - FogStart), 0.0, 1.0);
        color = mix(color, FogColor, fog);
    }

    // Looking straight down (toEye.z = 1) the ground shows through; at a glance it is a mirror.
    float opacity = TransparencyEnabled ? mix(1.0, 0.45, toEye.z * toEye.z) : 1.0;
    fragColor = vec4(color, opacity);
}
